#include "cli/ErrorText.h"

#include "cli/Output.h"
#include "common/Cp1251.h"

namespace fw::cli {
namespace {

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of("/\\")); }

} // namespace

std::string explained(const Error& e) {
  const std::string path = readable(e.path()), subject = cp1251::toUtf8(e.subject());
  switch (e.reason()) {
  case Reason::CannotOpen:
    return say("Cannot read " + path + ": it is missing, unreadable or not a file. Nothing was changed.",
               "Не удаётся прочитать " + path +
                   ": его нет, он не читается или это не файл. Ничего не изменено.");
  case Reason::CannotCreate:
    return say("Cannot write " + path +
                   ": its folder takes no new files, or the disk is full. Nothing was changed; make room or "
                   "give yourself write permission there, then run the command again.",
               "Не удаётся записать " + path +
                   ": папка не принимает новые файлы или диск полон. Ничего не изменено; освободите место "
                   "или дайте себе право записи в папку и повторите команду.");
  case Reason::ReadOnlyFile:
    return say(
        path + " is read-only: nothing was changed. Make it writable (on Linux: chmod u+w '" + path +
            "'; on Windows: clear \"Read-only\" in the file's properties), then run the command again.",
        path + " только для чтения: ничего не изменено. Снимите запрет записи (в Linux: chmod u+w '" + path +
            "'; в Windows: снимите \"Только чтение\" в свойствах файла) и повторите команду.");
  case Reason::MissingFolder:
    return say("The folder " + folderOf(path) + " is missing: nothing was changed. Make it (mkdir -p '" +
                   folderOf(path) + "'), then run the command again.",
               "Нет папки " + folderOf(path) + ": ничего не изменено. Создайте её (mkdir -p '" +
                   folderOf(path) + "') и повторите команду.");
  case Reason::AmbiguousName:
    return say("Several files differ only in letter case: " + path +
                   ". Nothing was changed; keep one of them and rename the others.",
               "Несколько файлов различаются только регистром букв: " + path +
                   ". Ничего не изменено; оставьте один из них, остальные переименуйте.");
  case Reason::NotLookedUp:
    return say(subject +
                   " has no line of this vehicle: nothing was written. Leave that file's option out, or put "
                   "the vehicle's line back first; to see the lines found: fleetwick-cli show VEHICLE",
               "В " + subject +
                   " нет строки этой машины: ничего не записано. Уберите параметр этого файла или "
                   "сначала верните строку машины; найденные строки покажет: fleetwick-cli show МАШИНА");
  case Reason::ChangedOnDisk:
    return say(subject + " changed on disk meanwhile: nothing was written. Run the command again.",
               subject + " изменился на диске: ничего не записано. Повторите команду.");
  case Reason::NotOwnBackup:
    return say("That backup holds another vehicle's line, not " + subject +
                   "'s: nothing was changed. To list " + subject + "'s backups: fleetwick-cli backups " +
                   subject,
               "В этой резервной копии строка другой машины, не " + subject +
                   ": ничего не изменено. Список копий " + subject + ": fleetwick-cli backups " + subject);
  case Reason::LockBusy:
    return say(
        "Another copy of Fleetwick is changing the game's files: nothing was changed. Run the command "
        "again when it has finished.",
        "Файлы игры сейчас меняет другая копия Fleetwick: ничего не изменено. Повторите команду, когда "
        "она закончит.");
  case Reason::LockUnavailable:
    return say("Cannot take the lock file " + path +
                   ": nothing was changed. It must be a plain file in a backup folder you may write to.",
               "Не удаётся занять файл блокировки " + path +
                   ": ничего не изменено. Это должен быть обычный файл в папке резервных копий, доступной "
                   "для записи.");
  case Reason::LinesWithErrors:
    return say("The game cannot load these lines: nothing was written.",
               "Игра не загрузит эти строки: ничего не записано.");
  case Reason::NotAnInteger:
    return say("'" + subject + "' is not a valid integer value.", "«" + subject + "» — не целое число.");
  case Reason::LineBreak:
    return say("A value holds a line break: nothing was written. Give the values of one line.",
               "Значение содержит перевод строки: ничего не записано. Дайте значения одной строки.");
  case Reason::UnfitLabel:
    return say("\"" + subject + "\" cannot be part of a backup's name: nothing was written.",
               "\"" + subject + "\" не годится для имени резервной копии: ничего не записано.");
  case Reason::NotBackupName:
    return say("\"" + subject +
                   "\" is no backup's name: nothing was changed. To list the backups: fleetwick-cli backups",
               "\"" + subject +
                   "\" — не имя резервной копии: ничего не изменено. Список копий: fleetwick-cli backups");

  // A mod's text: install words these where it knows what the text was (a file, standard input).
  case Reason::NotAFile:
  case Reason::TextTooLarge:
  case Reason::EmptyText:
  case Reason::NotText:
  case Reason::NoModLines:
  case Reason::NotInCodePage:
  case Reason::Unspecified: break;
  }
  return utf8Message(e.withFullStop());
}

} // namespace fw::cli
