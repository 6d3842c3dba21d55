#include "photoset/photo_folder.h"

#include "photoset/photo_lists.h"
#include "photoset/photo_pixels.h"
#include "photoset/photo_set.h"

std::variant<std::vector<QString>, Message> ReadImageNames(const QDir& folder) {
  std::variant<std::vector<ListLine>, Message> listed = ReadListFile(folder, kNamesFile);
  if (auto* message = std::get_if<Message>(&listed)) return std::move(*message);
  std::vector<QString> names;
  for (const ListLine& line : std::get<std::vector<ListLine>>(listed)) names.push_back(line.text);
  if (names.empty())
    return PhotoSetMessage(kNamesFile, PhotoReason(GS_TRANSLATE_NOOP(
                                           "CoreMessages", "в списке нет ни одного снимка")));
  return names;
}

std::variant<QSize, Message> CommonPhotoSize(const QDir& folder,
                                             const std::vector<QString>& names) {
  QSize first;
  for (size_t k = 0; k < names.size(); ++k) {
    std::variant<QSize, Message> size = PhotoSize(folder, names[k]);
    if (auto* message = std::get_if<Message>(&size)) return std::move(*message);
    const QSize found = std::get<QSize>(size);
    if (k == 0) {
      first = found;
      const int64_t samples =
          static_cast<int64_t>(found.width()) * found.height() * static_cast<int64_t>(names.size());
      if (samples > kMaxPhotoSetSamples) {
        return PhotoSetMessage(
            names[0],
            PhotoReason(
                GS_TRANSLATE_NOOP("CoreMessages",
                                  "%1 по %2 — это %3 отсчётов, больше предела в %4 млн "
                                  "отсчётов на набор"),
                {MessagePartOf(CountedWord(static_cast<int64_t>(names.size()),
                                           GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимок"),
                                           GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимка"),
                                           GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимков"))),
                 SizeText(found.width(), found.height()), VerbatimPart(std::to_string(samples)),
                 VerbatimPart(std::to_string(kMaxPhotoSetSamples / 1'000'000))}));
      }
    } else if (found != first) {
      return PhotoSetMessage(
          names[k], PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                  "размер снимка %1, а у первого, «%2», — %3"),
                                {SizeText(found.width(), found.height()), PhotoText(names[0]),
                                 SizeText(first.width(), first.height())}));
    }
  }
  return first;
}

std::variant<QImage, Message> DecodeSizedPhoto(const QDir& folder, const QString& name,
                                               const QSize& size) {
  std::variant<QImage, Message> decoded = DecodePhoto(folder, name);
  if (auto* message = std::get_if<Message>(&decoded)) return std::move(*message);
  const QImage& image = std::get<QImage>(decoded);
  if (image.size() != size) {
    return PhotoSetMessage(
        name,
        PhotoReason(
            GS_TRANSLATE_NOOP("CoreMessages", "размер снимка после чтения %1, а не %2"),
            {SizeText(image.width(), image.height()), SizeText(size.width(), size.height())}));
  }
  return decoded;
}

std::variant<std::vector<bool>, Message> ReadMaskBlackCells(const QDir& folder, const QSize& size) {
  std::variant<QSize, Message> found = PhotoSize(folder, kMaskFile);
  if (auto* message = std::get_if<Message>(&found)) return std::move(*message);
  const QSize maskSize = std::get<QSize>(found);
  if (maskSize != size) {
    return PhotoSetMessage(
        kMaskFile,
        PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "размер маски %1, а у снимков — %2"),
                    {SizeText(maskSize.width(), maskSize.height()),
                     SizeText(size.width(), size.height())}));
  }
  std::variant<QImage, Message> mask = DecodePhoto(folder, kMaskFile);
  if (auto* message = std::get_if<Message>(&mask)) return std::move(*message);
  return BlackCells(std::get<QImage>(mask));
}
