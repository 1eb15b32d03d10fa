#include "HostOptions.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <cstring>

#include "ConsoleText.h"
#include "win32/UniqueHandle.h"

namespace mvhost {

const char kUsage[] =
    "usage: mvhost [--plugin PATH] [--ansi] [WINDOW STEP]... COMMAND [ARGS]\n"
    "  list [FOLDER]              the folder's entries (default: the root)\n"
    "  columns                    the folder in the plug-in's default view of custom columns\n"
    "  put LOCAL NAME [--overwrite] [--move]\n"
    "                             copy a local file into the folder\n"
    "  rename OLD NEW [--overwrite]\n"
    "                             rename an entry\n"
    "  delete NAME                delete an entry\n"
    "  exec NAME VERB             run a verb (open, properties, ...) on an entry\n"
    "  icon NAME [--small]        ask for an entry's icon\n"
    "  rootname [SIZE]            the folder's default name, in a buffer of SIZE\n"
    "  records                    the catalogue's stored records, decoded (no plug-in loaded)\n"
    "  record NAME [FIELD=VALUE]...\n"
    "                             write a stored record directly, as an earlier run of\n"
    "                             the plug-in would have left it; fields: letter (or none), device,\n"
    "                             mode, mounted, restore, path, name (no plug-in loaded)\n"
    "Window steps, taken in the order given by the message boxes and dialogs\n"
    "the plug-in shows, each on the window in front at the time:\n"
    "  --answer yes|no|ok|cancel  press that button of a message box\n"
    "  --press ID                 press the button with that identifier\n"
    "  --pick ID=TEXT, --pick ID#N\n"
    "                             choose a drop-down entry by its text or index\n"
    "  --check ID, --uncheck ID   set or clear a check box, choose a radio button\n"
    "  --escape, --close          press Escape, click the caption's close box\n"
    "  --show                     print the window as it is now\n"
    "  --shot FILE                save a picture of the window as a BMP file\n"
    "--ansi: call the plug-in's narrow exports, with the names in the system's\n"
    "code page, instead of its wide ones, which the file manager calls when\n"
    "the plug-in has them. Names on the command line are in UTF-8.\n"
    "--stand-in: the virtual-disk driver is the stand-in, whose dismounts Wine\n"
    "answers with an error: give the plug-in the success Windows would give.\n"
    "The plug-in (default: the one built beside mvhost.exe, Morvane.wfx64 or,\n"
    "for the 32-bit host, Morvane.wfx) is loaded and initialised as the file\n"
    "manager does it. Every window is printed when it appears. A window\n"
    "without a step left, or one on which a step cannot be taken, is answered\n"
    "No, Cancel or OK (a dialog: Cancel).\n"
    "Exit code: 0 done, 1 the plug-in answered a failure, 2 usage, 3 no plug-in.\n";

namespace {

bool ParseAnswer(const std::string& word, uidriver::Step& step) {
    struct Word {
        const char* text;
        int id;
    };
    const Word words[] = {{"yes", IDYES}, {"no", IDNO}, {"ok", IDOK}, {"cancel", IDCANCEL}};
    for (const Word& w : words) {
        if (_stricmp(word.c_str(), w.text) == 0) {
            step = uidriver::Step::Answer(w.id);
            return true;
        }
    }
    return false;
}

// A control identifier: decimal, 0 to 65535, nothing else.
bool ParseId(const std::string& text, int& id) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > 0xFFFF) return false;
    id = static_cast<int>(value);
    return true;
}

// ID=TEXT picks by text, ID#N by index.
bool ParsePick(const std::string& value, uidriver::Step& step) {
    const size_t split = value.find_first_of("=#");
    int id = 0;
    if (split == std::string::npos || !ParseId(value.substr(0, split), id)) return false;
    const std::string rest = value.substr(split + 1);
    if (value[split] == '=') {
        step = uidriver::Step::Pick(id, rest);
        return true;
    }
    int index = 0;
    if (!ParseId(rest, index)) return false;
    step = uidriver::Step::PickIndex(id, index);
    return true;
}

bool ParseControl(const std::string& value, uidriver::Step (*make)(int), uidriver::Step& step) {
    int id = 0;
    if (!ParseId(value, id)) return false;
    step = make(id);
    return true;
}

// A window step that takes a value; false when the value does not fit it.
bool ParseValueStep(const std::string& option, const std::string& value, uidriver::Step& step) {
    using uidriver::Step;
    if (option == "--answer") return ParseAnswer(value, step);
    if (option == "--press") return ParseControl(value, Step::Press, step);
    if (option == "--pick") return ParsePick(value, step);
    if (option == "--check") return ParseControl(value, Step::Check, step);
    if (option == "--uncheck") return ParseControl(value, Step::Uncheck, step);
    if (option != "--shot" || value.empty()) return false;
    step = Step::Screenshot(value);
    return true;
}

bool ParsePlainStep(const std::string& option, uidriver::Step& step) {
    using uidriver::Step;
    if (option == "--escape") {
        step = Step::Escape();
    } else if (option == "--close") {
        step = Step::Close();
    } else if (option == "--show") {
        step = Step::Snapshot();
    } else {
        return false;
    }
    return true;
}

bool TakesValue(const std::string& option) {
    for (const char* name : {"--plugin", "--answer", "--press", "--pick", "--check", "--uncheck", "--shot"})
        if (option == name) return true;
    return false;
}

}  // namespace

std::vector<std::string> CommandLineWords() {
    int count = 0;
    const morvane::win32::LocalMemory memory(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> words;
    if (!memory) return words;
    const auto* argv = static_cast<const wchar_t* const*>(memory.Get());
    for (int i = 1; i < count; ++i) words.push_back(WideToUtf8(argv[i]));
    return words;
}

bool ParseOptions(const std::vector<std::string>& args, HostOptions& options, std::string& error) {
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (TakesValue(arg) && i + 1 >= args.size()) {
            error = arg + " needs a value";
            return false;
        }
        uidriver::Step step;
        if (arg == "--plugin") {
            options.pluginPath = args[++i];
        } else if (TakesValue(arg)) {
            const std::string& value = args[++i];
            if (!ParseValueStep(arg, value, step)) {
                error = (arg == "--answer" ? "unknown answer: " : "bad value for " + arg + ": ") + value;
                return false;
            }
            options.steps.push_back(step);
        } else if (ParsePlainStep(arg, step)) {
            options.steps.push_back(step);
        } else if (arg == "--overwrite") {
            options.overwrite = true;
        } else if (arg == "--move") {
            options.move = true;
        } else if (arg == "--stand-in") {
            options.standIn = true;
        } else if (arg == "--small") {
            options.small = true;
        } else if (arg == "--ansi") {
            options.ansi = true;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            error = "unknown option: " + arg;
            return false;
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        error = "no command given";
        return false;
    }
    options.command = words.front();
    options.arguments.assign(words.begin() + 1, words.end());
    return true;
}

}  // namespace mvhost
