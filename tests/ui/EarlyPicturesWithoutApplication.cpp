// The early reading needs no application: a program reads the board and
// every picture of the first frame before it has one, and ends at once.
#include "EarlyPictures.h"
#include "Pictures.h"
#include "StoneRules.h"

#include <cstdio>

int main()
{
    StartReadingEarlyPictures();
    if (TakeBoardBackground().Picture.isNull())
        return 1;
    for (const QString& resource :
         {Resource::Icon256Colours, Resource::Icon16Pixels, Resource::Farbe(1), Resource::Farbe(ColourCount),
          Resource::Ring, Resource::Klein, Resource::Zahlen, Resource::Auswertung}) {
        const std::optional<QImage> picture = TakeEarlyPicture(resource);
        if (!picture || picture->isNull()) {
            std::fprintf(stderr, "%s not read early\n", qPrintable(resource));
            return 1;
        }
    }
    return 0;
}
