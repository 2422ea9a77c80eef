#pragma once
// The tool bar's pictures as drawn in code, 16 x 15 at scale 1: drawn by the tool bar's icon
// engine, and by the build's picture maker, which renders them ahead of time at the scales most
// screens use.

#include <QImage>
#include <QSize>

#include <vector>

// The size of a picture at scale 1.
constexpr QSize kToolPictureSize{16, 15};
// The scales rendered at build time, each into the resource ":/tool-pictures-<scale>.png": one
// row of pictures in the order of ToolPictureIds().
constexpr int kRenderedScales[] = {1, 2};

// The commands of the tool bar that have a picture, in its order.
std::vector<int> ToolPictureIds();

// The picture of command commandId drawn at size at, on a transparent image.
QImage DrawToolPicture(int commandId, QSize at);
