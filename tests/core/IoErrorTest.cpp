#include "IoError.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <utility>

TEST(IoError, EveryKnownCodeHasItsGermanText)
{
    EXPECT_EQ(IoErrorText(2), "Datei nicht gefunden");
    EXPECT_EQ(IoErrorText(3), "Ungültiger Dateiname");
    EXPECT_EQ(IoErrorText(4), "Zu viele geöffnete Dateien");
    EXPECT_EQ(IoErrorText(5), "Dateizugriff verweigert");
    EXPECT_EQ(IoErrorText(100), "Versuch hinter dem Dateiende zu lesen");
    EXPECT_EQ(IoErrorText(101), "Zu wenig Speicherplatz");
    EXPECT_EQ(IoErrorText(106), "Ungültige numerische Eingabe");
    EXPECT_EQ(IoErrorText(32), "E/A-Fehler 32");
}

TEST(IoError, SystemErrorsMapToTheCodesThePlayerKnows)
{
    const std::pair<int, int> known[] = {
        {ENOENT, IoFileNotFound},   {ENOTDIR, IoFileNotFound},    {ENAMETOOLONG, IoInvalidFileName},
        {ELOOP, IoInvalidFileName}, {EMFILE, IoTooManyOpenFiles}, {ENFILE, IoTooManyOpenFiles},
        {EACCES, IoAccessDenied},   {EPERM, IoAccessDenied},      {EROFS, IoAccessDenied},
        {EISDIR, IoAccessDenied},   {ETXTBSY, IoAccessDenied},    {ENOSPC, IoDiskFull},
        {EDQUOT, IoDiskFull},       {EFBIG, IoDiskFull},
    };
    for (const auto& [err, code] : known)
        EXPECT_EQ(IoErrorFromErrno(err), code) << "errno " << err;
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(EIO)), "E/A-Fehler 1117");
}

// A system error without a classic code has a German text of its own, and
// its code never reads as one of the classic ones, although its number
// may be one: EINTR is 4 ("too many open files"), EIO 5 ("access denied"),
// ENETUNREACH 101 ("disk full"). Only the truly unknown show a number.
TEST(IoError, OtherSystemErrorsHaveTextsOfTheirOwn)
{
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(EINTR)), "Vorgang unterbrochen");
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(ENETUNREACH)), "Netzlaufwerk nicht erreichbar");
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(EXDEV)), "Datei liegt auf einem anderen Laufwerk");
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(ENOLCK)), "Keine Dateisperre verfügbar");
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(EKEYREVOKED)),
              "E/A-Fehler " + std::to_string(IoSystemErrorBase + EKEYREVOKED));
    // What a file of the game can meet: opening, reading, writing, syncing,
    // renaming, locking.
    for (const int err :
         {EBUSY, ELOOP, EINVAL, EAGAIN, ESTALE, EOPNOTSUPP, ENOMEM, ENXIO, ETIMEDOUT, EEXIST, ENOTEMPTY})
        EXPECT_FALSE(IoErrorText(IoErrorFromErrno(err)).starts_with("E/A-Fehler")) << "errno " << err;
    for (int err = 1; err < 200; ++err) {
        const int code = IoErrorFromErrno(err);
        if (err != EIO && IoErrorText(code).starts_with("E/A-Fehler")) {
            EXPECT_GE(code, IoSystemErrorBase) << "errno " << err << " shows as code " << code;
        }
    }
}

TEST(IoError, TheErrorBoxAddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorBoxText("Versuch hinter dem Dateiende zu lesen"), "Versuch hinter dem Dateiende zu lesen.");
    EXPECT_EQ(ErrorBoxText("Schon da."), "Schon da.");
    EXPECT_EQ(ErrorBoxText("Halt!"), "Halt!");    // "!" sorts before "."
    EXPECT_EQ(ErrorBoxText("Wert 7"), "Wert 7."); // digits sort after "."
    EXPECT_EQ(ErrorBoxText("Größe"), "Größe.");
    EXPECT_EQ(ErrorBoxText(""), "");
}
