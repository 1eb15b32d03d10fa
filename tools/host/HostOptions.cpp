#include "HostOptions.h"

#include <windows.h>

#include <cstring>

namespace mvhost {

const char kUsage[] =
    "usage: mvhost [--plugin PATH] [--answer yes|no|ok|cancel]... COMMAND [ARGS]\n"
    "  list [FOLDER]              the folder's entries (default: the root)\n"
    "  put LOCAL NAME [--overwrite] [--move]\n"
    "                             copy a local file into the folder\n"
    "  delete NAME                delete an entry\n"
    "  exec NAME VERB             run a verb (open, properties, ...) on an entry\n"
    "  icon NAME [--small]        ask for an entry's icon\n"
    "  rootname [SIZE]            the folder's default name, in a buffer of SIZE\n"
    "  records                    the catalogue's stored records, decoded (no plug-in loaded)\n"
    "  record NAME [FIELD=VALUE]...\n"
    "                             write a stored record directly, as an earlier session\n"
    "                             would have left it; fields: letter (or none), device,\n"
    "                             mode, mounted, restore, path, name (no plug-in loaded)\n"
    "The plug-in (default: Morvane.wfx64 beside mvhost.exe) is loaded and\n"
    "initialised as the file manager does it. Message boxes are printed and\n"
    "answered with the --answer values in turn, then with No, Cancel or OK.\n"
    "Exit code: 0 done, 1 the plug-in answered a failure, 2 usage, 3 no plug-in.\n";

namespace {

bool ParseAnswer(const std::string& word, int& id) {
    struct Word {
        const char* text;
        int id;
    };
    const Word words[] = {{"yes", IDYES}, {"no", IDNO}, {"ok", IDOK}, {"cancel", IDCANCEL}};
    for (const Word& w : words) {
        if (_stricmp(word.c_str(), w.text) == 0) {
            id = w.id;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ParseOptions(int argc, char** argv, HostOptions& options, std::string& error) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool takesValue = arg == "--plugin" || arg == "--answer";
        if (takesValue && i + 1 >= argc) {
            error = arg + " needs a value";
            return false;
        }
        if (arg == "--plugin") {
            options.pluginPath = argv[++i];
        } else if (arg == "--answer") {
            int id = 0;
            if (!ParseAnswer(argv[++i], id)) {
                error = std::string("unknown answer: ") + argv[i];
                return false;
            }
            options.answers.push_back(id);
        } else if (arg == "--overwrite") {
            options.overwrite = true;
        } else if (arg == "--move") {
            options.move = true;
        } else if (arg == "--small") {
            options.small = true;
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
