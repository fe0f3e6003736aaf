#include "IoError.h"

#include <cerrno>
#include <gtest/gtest.h>

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
    EXPECT_EQ(IoErrorFromErrno(ENOENT), IoFileNotFound);
    EXPECT_EQ(IoErrorFromErrno(ENOTDIR), IoFileNotFound);
    EXPECT_EQ(IoErrorFromErrno(EACCES), IoAccessDenied);
    EXPECT_EQ(IoErrorFromErrno(EROFS), IoAccessDenied);
    EXPECT_EQ(IoErrorFromErrno(EISDIR), IoAccessDenied);
    EXPECT_EQ(IoErrorFromErrno(EMFILE), IoTooManyOpenFiles);
    EXPECT_EQ(IoErrorFromErrno(ENOSPC), IoDiskFull);
    // Other errors show their number, but never one that reads as a
    // different known error: EIO is 5 on Linux, which means access denied.
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(EIO)), "E/A-Fehler 1117");
    EXPECT_EQ(IoErrorText(IoErrorFromErrno(EXDEV)), "E/A-Fehler " + std::to_string(EXDEV));
}

TEST(IoError, TheErrorBoxAddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorBoxText("Versuch hinter dem Dateiende zu lesen"), "Versuch hinter dem Dateiende zu lesen.");
    EXPECT_EQ(ErrorBoxText("Schon da."), "Schon da.");
    EXPECT_EQ(ErrorBoxText("Halt!"), "Halt!");     // "!" sorts before "."
    EXPECT_EQ(ErrorBoxText("Wert 7"), "Wert 7."); // digits sort after "."
    EXPECT_EQ(ErrorBoxText("Größe"), "Größe.");
    EXPECT_EQ(ErrorBoxText(""), "");
}
