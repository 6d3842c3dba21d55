#pragma once
// The steps every folder of photographs is read by (photo_set.h, ball_set.h): the folder itself,
// the list of images, their common size, each image decoded at that size, and the mask. Each
// step gives its value or the one message naming the file (photo_messages.h).

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSize>
#include <QString>
#include <new>
#include <variant>
#include <vector>

#include "model/message.h"
#include "photoset/photo_messages.h"

inline const QString kMaskFile = QStringLiteral("mask.png");

// `read` (a QDir -> std::variant<T, Message>) over `folder` once it is found to be a folder; the
// message naming the folder when it is not, or when the images do not fit in memory.
template <typename Read>
auto ReadPhotoFolder(const QString& folder, Read read) -> decltype(read(QDir())) {
  const QFileInfo info(folder);
  if (!info.exists()) {
    return PhotoFolderMessage(folder,
                              PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "папка не найдена")));
  }
  if (!info.isDir()) {
    return PhotoFolderMessage(folder,
                              PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "это не папка")));
  }
  try {
    return read(QDir(folder));
  } catch (const std::bad_alloc&) {
    return PhotoFolderMessage(folder, PhotoReason(GS_TRANSLATE_NOOP(
                                          "CoreMessages", "не хватает памяти для снимков набора")));
  }
}

// The image names of filenames.txt, at least one.
std::variant<std::vector<QString>, Message> ReadImageNames(const QDir& folder);

// The common size of the images `names` of `folder` from their headers, each checked against the
// first and all against kMaxPhotoSetSamples before any pixel is decoded.
std::variant<QSize, Message> CommonPhotoSize(const QDir& folder, const std::vector<QString>& names);

// Image `name` decoded, of the `size` its header gave.
std::variant<QImage, Message> DecodeSizedPhoto(const QDir& folder, const QString& name,
                                               const QSize& size);

// The cells where mask.png (which must be there, of the images' `size`) is black.
std::variant<std::vector<bool>, Message> ReadMaskBlackCells(const QDir& folder, const QSize& size);
