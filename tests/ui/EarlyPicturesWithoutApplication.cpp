// A program that begins the early reading and ends before it has an
// application must end at once, not wait for a reading that waits for the
// application.
#include "EarlyPictures.h"

int main()
{
    StartReadingEarlyPictures();
    // The board is read without an application; the reading then waits.
    return TakeBoardBackground().Picture.isNull() ? 1 : 0;
}
