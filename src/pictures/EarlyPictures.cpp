#include "EarlyPictures.h"

#include "Pictures.h"
#include "StoneRules.h"

#include <algorithm>
#include <future>
#include <vector>

namespace {

struct EarlyPicture {
    QString Resource;
    std::promise<QImage> Read;
    std::future<QImage> Ready;
};

// Made before the reading begins and never resized, so that the reading
// thread and the program's thread each touch only their own half of an
// entry: the promise, or the future.
std::vector<EarlyPicture> Shelf;
std::promise<JpegPicture> BoardRead;
std::future<JpegPicture> BoardReady;
std::future<void> Reading;

// The window icon first, then the main window's pictures as it loads them;
// all of them bitmaps.
std::vector<QString> FirstFramePictures()
{
    std::vector<QString> pictures {Resource::Icon256Colours, Resource::Icon16Pixels};
    for (int code = 1; code <= ColourCount; ++code)
        pictures.push_back(Resource::Farbe(code));
    pictures.insert(pictures.end(), {Resource::Ring, Resource::Klein, Resource::Zahlen, Resource::Auswertung});
    return pictures;
}

JpegPicture ReadBoardBackground()
{
    return DecodeJpeg(LoadResourceBytes(Resource::Original));
}

void ReadAll()
{
    BoardRead.set_value(ReadBoardBackground());
    for (EarlyPicture& picture : Shelf)
        picture.Read.set_value(ReadBitmap(picture.Resource));
}

} // namespace

void StartReadingEarlyPictures()
{
    if (Reading.valid())
        return;
    const std::vector<QString> resources = FirstFramePictures();
    Shelf = std::vector<EarlyPicture>(resources.size());
    for (std::size_t i = 0; i < resources.size(); ++i) {
        Shelf[i].Resource = resources[i];
        Shelf[i].Ready = Shelf[i].Read.get_future();
    }
    BoardReady = BoardRead.get_future();
    Reading = std::async(std::launch::async, ReadAll);
}

std::optional<QImage> TakeEarlyPicture(const QString& resource)
{
    const auto picture = std::find_if(Shelf.begin(), Shelf.end(), [&](const EarlyPicture& early) {
        return early.Resource == resource && early.Ready.valid();
    });
    if (picture == Shelf.end())
        return std::nullopt;
    return picture->Ready.get();
}

JpegPicture TakeBoardBackground()
{
    return BoardReady.valid() ? BoardReady.get() : ReadBoardBackground();
}
