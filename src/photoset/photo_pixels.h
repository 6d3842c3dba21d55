#pragma once
// The pixels of a photo set's images and mask, read by QImageReader (PNG of 8 or 16 bits, grey or
// colour, and whatever else Qt's readers know), each value over its format's full scale.

#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "model/message.h"
#include "photoset/camera_response.h"
#include "photoset/photo_lists.h"

// The size of image `name` in `folder` from its header, without decoding its pixels (decoded when
// the format gives no size beforehand); the message when it is missing or no reader knows it.
std::variant<QSize, Message> PhotoSize(const QDir& folder, const QString& name);

// The decoded image, or the message of one that does not decode (a damaged or cut file).
std::variant<QImage, Message> DecodePhoto(const QDir& folder, const QString& name);

// The image's cells as grey intensities, row 0 the top row: each channel over the format's full
// scale (255, or 65535 for 16 bits a channel), made linear by `response` when there is one, over
// its intensity, then the mean of the three.
std::vector<double> GreyIntensities(const QImage& image, const ChannelIntensity& intensity,
                                    const CameraResponse* response = nullptr);

// Whether the image holds colour (three channels), not grey alone.
bool IsColourPhoto(const QImage& image);

// The image's red, green and blue cells as ColourMean reads them (over full scale, made linear,
// over their intensities); a grey image gives its value in each.
std::array<std::vector<double>, 3> ChannelIntensities(const QImage& image,
                                                      const ChannelIntensity& intensity,
                                                      const CameraResponse* response = nullptr);

// The cells where `mask` is black (every channel 0), row 0 the top row.
std::vector<bool> BlackCells(const QImage& mask);
