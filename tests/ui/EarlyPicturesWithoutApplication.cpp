// A program that begins the early reading and ends before it has an
// application (as the game does when it cannot start the toolkit) must end
// at once, not wait for a reading that waits for the application.
#include "EarlyPictures.h"

int main()
{
    StartReadingEarlyPictures();
    return 0;
}
