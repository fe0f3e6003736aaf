// Input/output errors as the player sees them: a numeric code and its
// German text, shown in the application's general error box.
#pragma once

#include <string>

enum IoErrorCode : int {
    IoFileNotFound = 2,
    IoInvalidFileName = 3,
    IoTooManyOpenFiles = 4,
    IoAccessDenied = 5,
    IoReadBeyondEnd = 100,
    IoDiskFull = 101,
    IoInvalidNumericInput = 106,
    // The classic code of a failed input/output device.
    IoDeviceError = 1117,
    // A system error the game has no code for shows as this plus its
    // errno, above every code of the game's own, so that it never reads
    // as one of them.
    IoSystemErrorBase = 2000,
};

// The German text for an error code, a system error's among them; unknown
// codes read "E/A-Fehler <code>".
std::string IoErrorText(int code);

// The error code that stands for a failed system call's errno.
int IoErrorFromErrno(int err);

// The error box adds a full stop when the text's last character sorts
// after "." (so "Fehler!" stays, "Datei nicht gefunden" gets one).
std::string ErrorBoxText(std::string text);
