#pragma once
// Every picture of the sample: the ones the bitmap table loads (all it
// requires, and the title's game-mode picture and the world map background),
// and the ones the database and the stages name. 8-bit BMP files with the
// program palette, drawn by code.

#include <string>
#include <vector>

#include "tools/sample/media/bmp_writer.h"
#include "tools/sample/project_files.h"

struct cSamplePicture {
  std::string strPath;  // data path
  cIndexedImage image;
};

// The pictures in a fixed order.
std::vector<cSamplePicture> BuildSamplePictures();

bool WriteSamplePictures(cProjectFiles& files);
