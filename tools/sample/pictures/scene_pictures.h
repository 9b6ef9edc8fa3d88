#pragma once
// The pictures of the menus and screens (title, windows, banners, icons, world
// map), as opposed to the sprite sheets of play.

#include "tools/sample/media/bmp_writer.h"

cIndexedImage TitlePicture();
cIndexedImage GameModePicture();
cIndexedImage WindowPicture();
cIndexedImage StatusWindowPicture();
cIndexedImage AccessoryPicture();
cIndexedImage SymbolPicture();
cIndexedImage WordPicture();
cIndexedImage WorldMapChipPicture();
cIndexedImage WorldEventPicture();
cIndexedImage WorldBackPicture();
cIndexedImage DebugPicture();
cIndexedImage SignPicture();
// The stage background layer: sky, clouds and hills.
cIndexedImage SkyPicture();
