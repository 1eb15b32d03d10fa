// Every text the plug-in shows, in one table: its identifier, its built-in
// (Russian) text and whether code fills it in with arguments (%s, %c, %d).
// Written in UTF-8 here; BuiltinTexts.cpp, the one file that hands the texts
// out, is compiled with Windows-1251 as its execution character set. Other
// files read only the identifiers and the flags.
#pragma once

#include "lang/TextIds.h"

namespace morvane {

struct TextEntry {
    TextId id;
    const char* builtin;  // null: none
    bool formatted;
};

// Internal linkage: each file has its own copy, in its own character set.
static constexpr TextEntry kTextTable[] = {
    {TextId::PropertiesCaption, "Свойства", false},
    {TextId::Close, "Закрыть", false},
    {TextId::FullPathLabel, "П&олный путь:", false},
    {TextId::DriveLetterLabel, "&Буква диска:", false},
    {TextId::MountModeGroup, " Режим подключения ", false},
    {TextId::ModeHardDisk, "&HDD", false},
    {TextId::ModeFloppy, "&FDD", false},
    {TextId::ModeCdDvd, "&CD/DVD", false},
    {TextId::ReadOnly, "Только &чтение", false},
    {TextId::RestoreAtLogon, "&Восстанавливать при перезагрузке", false},
    {TextId::Mount, "&Подключить", false},
    {TextId::Unmount, "&Отключить", false},
    {TextId::Switch, "Пе&реключить", false},
    {TextId::ImageMounted, "Образ подключён", false},
    {TextId::ImageUnmounted, "Образ отключён", false},
    {TextId::AboutCaption, "О программе", false},
    {TextId::ProgramLabel, "Программа:", false},
    {TextId::VersionLabel, "Версия:", false},
    {TextId::DeveloperLabel, nullptr, false},
    {TextId::HomePageLabel, "Домашняя страница:", false},
    {TextId::SettingsButton, "&Настройки", false},
    {TextId::AboutOk, "OK", false},
    {TextId::SettingsCaption, "Настройки", false},
    {TextId::LanguageLabel, "&Язык интерфейса:", false},
    {TextId::SettingsCancel, "Отмена", false},
    {TextId::SettingsOk, "OK", false},
    {TextId::FileNotFound, "Файл не найден!", false},
    {TextId::MountFailed, "Ошибка при попытке подключить образ!", false},
    {TextId::SaveFailed, "Не удалось обновить информацию о файле!", false},
    {TextId::UnmountOtherImage, "В качестве диска %c: сейчас подключён %s. Отключить его?", true},
    {TextId::SwitchWarning,
     "Внимание!\nЭта функция не влияет на физическое подключение образа\nи предоставлена только для исправления "
     "возможных ошибок!",
     false},
    {TextId::ReallyMounted, "Действительно ли образ %s подключён как диск %c:?", true},
    {TextId::ReallyNotMounted, "Действительно ли образ %s НЕ подключён как диск %c:?", true},
    {TextId::UnmountBeforeRemoval,
     "Образ %s сейчас подключён как диск %c:. Перед удалением его необходимо отключить.\nОтключить сейчас?", true},
    {TextId::OpenFilesQuestion, "На диске имеются открытые файлы.\nОтключить диск принудительно?", false},
    {TextId::DataLossWarning, "ВНИМАНИЕ! Это может привести к потере данных!", false},
    {TextId::CommandFailed, "Не удалось выполнить команду.\nКод ошибки: %d.", true},
    {TextId::DriverMissing, "Ошибка при создании виртуального диска!\nВозможно, не установлен драйвер.", false},
    {TextId::TooManyDevices,
     "Ошибка при создании виртуального диска!\nПодключено уже слишком много устройств данного типа.", false},
    {TextId::SeeReadMe, "Подробнее см. в файле ReadMe.", false},
    {TextId::ImageNotAccessible, "Ошибка при подключении образа!\nФайл образа недоступен.", false},
    {TextId::NoFreeLetter, "Нет свободной буквы диска!", false},
    {TextId::NotThisImagesDrive,
     "Диск %c: сейчас не связан с образом %s, поэтому ничего не отключено.\nЕсли образ на самом деле не подключён, "
     "исправьте его состояние кнопкой «Переключить» в свойствах образа.",
     true},
    {TextId::NoDriverPath,
     "Путь к образу %s нельзя передать драйверу: в нём есть знаки, которых нет в кодовой странице системы, а у "
     "тома нет коротких имён файлов.\nНичего не подключено.",
     true},
};

}  // namespace morvane
