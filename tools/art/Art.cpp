// The list of generated files and the encoder each one goes through.
#include "Art.h"

#include "AppIcon.h"
#include "DialogPicture.h"
#include "ImageFiles.h"
#include "Palette.h"
#include "PieceStrip.h"

bool WriteAllArt(const std::string& folder) {
    bool ok = WriteFileBytes(folder + "/PieceStrip.bmp", EncodeBmp(DrawPieceStrip(), StandardPalette(), 4));
    ok = WriteFileBytes(folder + "/App.ico", EncodeIco(DrawAppIcon(), StandardPalette(), IconClear)) && ok;
    ok = WriteFileBytes(folder + "/DialogPicture.bmp", EncodeBmp(DrawDialogPicture(), DialogPalette(), 8)) && ok;
    return ok;
}
