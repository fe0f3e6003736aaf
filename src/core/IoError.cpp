#include "IoError.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <utility>

namespace {

// The system errors a file of the game may meet beyond the classic codes,
// in the player's words. A network drive's many ways of going away are one.
constexpr std::pair<int, const char*> SystemErrorTexts[] = {
    {EINTR, "Vorgang unterbrochen"},
    {EAGAIN, "Datei vorübergehend nicht verfügbar"},
    {EBUSY, "Datei oder Gerät belegt"},
    {EXDEV, "Datei liegt auf einem anderen Laufwerk"},
    {EINVAL, "Ungültiger Zugriff auf die Datei"},
    {ENOLCK, "Keine Dateisperre verfügbar"},
    {EDEADLK, "Dateisperre nicht möglich"},
    {EOPNOTSUPP, "Vom Dateisystem nicht unterstützt"},
    {ENOSYS, "Vom System nicht unterstützt"},
    {ESTALE, "Datei auf dem Netzlaufwerk nicht mehr gültig"},
    {ENOMEM, "Zu wenig Arbeitsspeicher"},
    {ENOBUFS, "Zu wenig Arbeitsspeicher"},
    {EOVERFLOW, "Datei zu groß"},
    {ETIMEDOUT, "Zeitüberschreitung beim Dateizugriff"},
    {ENXIO, "Gerät nicht bereit"},
    {ENODEV, "Gerät nicht bereit"},
    {ENOMEDIUM, "Kein Datenträger im Laufwerk"},
    {EMEDIUMTYPE, "Falscher Datenträger im Laufwerk"},
    {EEXIST, "Datei existiert bereits"},
    {ENOTEMPTY, "Verzeichnis nicht leer"},
    {EMLINK, "Zu viele Verknüpfungen"},
    {EBADF, "Ungültiges Dateihandle"},
    {EUCLEAN, "Dateisystem beschädigt"},
    {ECANCELED, "Vorgang abgebrochen"},
    {EREMOTEIO, "Fehler auf dem entfernten Gerät"},
    {ENOTCONN, "Netzlaufwerk nicht erreichbar"},
    {ECONNREFUSED, "Netzlaufwerk nicht erreichbar"},
    {ECONNRESET, "Netzlaufwerk nicht erreichbar"},
    {ECONNABORTED, "Netzlaufwerk nicht erreichbar"},
    {ENETDOWN, "Netzlaufwerk nicht erreichbar"},
    {ENETUNREACH, "Netzlaufwerk nicht erreichbar"},
    {ENETRESET, "Netzlaufwerk nicht erreichbar"},
    {EHOSTDOWN, "Netzlaufwerk nicht erreichbar"},
    {EHOSTUNREACH, "Netzlaufwerk nicht erreichbar"},
};

const char* SystemErrorText(int err)
{
    const auto* found = std::find_if(std::begin(SystemErrorTexts), std::end(SystemErrorTexts),
                                     [err](const auto& entry) { return entry.first == err; });
    return found != std::end(SystemErrorTexts) ? found->second : nullptr;
}

} // namespace

std::string IoErrorText(int code)
{
    if (code > IoSystemErrorBase)
        if (const char* text = SystemErrorText(code - IoSystemErrorBase))
            return text;
    switch (code) {
    case IoFileNotFound:
        return "Datei nicht gefunden";
    case IoInvalidFileName:
        return "Ungültiger Dateiname";
    case IoTooManyOpenFiles:
        return "Zu viele geöffnete Dateien";
    case IoAccessDenied:
        return "Dateizugriff verweigert";
    case IoReadBeyondEnd:
        return "Versuch hinter dem Dateiende zu lesen";
    case IoDiskFull:
        return "Zu wenig Speicherplatz";
    case IoInvalidNumericInput:
        return "Ungültige numerische Eingabe";
    default:
        return "E/A-Fehler " + std::to_string(code);
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
