// Kept as UTF-8 here; the build compiles this one file with Windows-1251 as
// its execution character set, so every literal below is Windows-1251 bytes.
#include "lang/BuiltinTexts.h"

static_assert(sizeof("Ё") == 2, "this file must be compiled with -fexec-charset=CP1251");

namespace morvane {

const char* BuiltinText(uint32_t id) {
    switch (id) {
    case 1:
        return "Свойства";
    case 2:
        return "Закрыть";
    case 3:
        return "П&олный путь:";
    case 4:
        return "&Буква диска:";
    case 5:
        return " Режим подключения ";
    case 6:
        return "&HDD";
    case 7:
        return "&FDD";
    case 8:
        return "&CD/DVD";
    case 9:
        return "Только &чтение";
    case 10:
        return "&Восстанавливать при перезагрузке";
    case 11:
        return "&Подключить";
    case 12:
        return "&Отключить";
    case 13:
        return "Пе&реключить";
    case 14:
        return "Образ подключён";
    case 15:
        return "Образ отключён";
    case 50:
        return "О программе";
    case 51:
        return "Программа:";
    case 52:
        return "Версия:";
    case 55:
        return "Домашняя страница:";
    case 56:
        return "&Настройки";
    case 57:
        return "OK";
    case 100:
        return "Настройки";
    case 101:
        return "&Язык интерфейса:";
    case 102:
        return "Отмена";
    case 103:
        return "OK";
    case 1001:
        return "Файл не найден!";
    case 1002:
        return "Ошибка при попытке подключить образ!";
    case 1003:
        return "Не удалось обновить информацию о файле!";
    case 1004:
        return "В качестве диска %c: сейчас подключён %s. Отключить его?";
    case 1005:
        return "Внимание!\nЭта функция не влияет на физическое подключение образа\nи предоставлена только для исправления возможных ошибок!";
    case 1006:
        return "Действительно ли образ %s подключён как диск %c:?";
    case 1007:
        return "Действительно ли образ %s НЕ подключён как диск %c:?";
    case 1008:
        return "Образ %s сейчас подключён как диск %c:. Перед удалением его необходимо отключить.\nОтключить сейчас?";
    case 1009:
        return "На диске имеются открытые файлы.\nОтключить диск принудительно?";
    case 1010:
        return "ВНИМАНИЕ! Это может привести к потере данных!";
    case 1011:
        return "Не удалось выполнить команду.\nКод ошибки: %d.";
    case 1012:
        return "Ошибка при создании виртуального диска!\nВозможно, не установлен драйвер.";
    case 1013:
        return "Ошибка при создании виртуального диска!\nПодключено уже слишком много устройств данного типа.";
    case 1014:
        return "Подробнее см. в файле ReadMe.";
    case 1015:
        return "Ошибка при подключении образа!\nФайл образа недоступен.";
    default:
        // 53 has no built-in text: whether a language file holds it is what
        // counts. 54 and every unlisted identifier are never looked up.
        return nullptr;
    }
}

const char* MissingLanguageFileText() { return "Языковой файл не найден!\nLanguage file is missing!"; }

}  // namespace morvane
