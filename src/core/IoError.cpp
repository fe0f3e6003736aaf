#include "IoError.h"

#include <cerrno>

std::string IoErrorText(int code)
{
    switch (code) {
    case IoFileNotFound: return "Datei nicht gefunden";
    case IoInvalidFileName: return "Ungültiger Dateiname";
    case IoTooManyOpenFiles: return "Zu viele geöffnete Dateien";
    case IoAccessDenied: return "Dateizugriff verweigert";
    case IoReadBeyondEnd: return "Versuch hinter dem Dateiende zu lesen";
    case IoDiskFull: return "Zu wenig Speicherplatz";
    case IoInvalidNumericInput: return "Ungültige numerische Eingabe";
    default: return "E/A-Fehler " + std::to_string(code);
    }
}

int IoErrorFromErrno(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return IoFileNotFound;
    case ENAMETOOLONG:
    case ELOOP: // links that lead round in a circle name no file
        return IoInvalidFileName;
    case EMFILE:
    case ENFILE:
        return IoTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return IoAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoDiskFull;
    case EIO:
        return IoDeviceError;
    default:
        return IoSystemErrorBase + err;
    }
}

std::string ErrorBoxText(std::string text)
{
    // Compared byte-wise: the bytes of a UTF-8 sequence all sort after ".".
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}
