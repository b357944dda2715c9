#include "platform/qt/FramePresenter.h"

#include <cstring>
#include <optional>

std::optional<QImage> FramePresenter::Shareable(const QImage& image)
{
    if (IsOurs(image))
        return image;
    for (QImage& copy : m_copies) {
        if (copy.size() == image.size() && !IsFree(copy))
            continue;
        if (copy.size() != image.size())
            copy = Make(image.size());
        if (copy.isNull() || copy.sizeInBytes() != image.sizeInBytes())
            return QImage();
        // Written in place: the copy's memory is what the screen reads.
        std::memcpy(const_cast<uchar*>(copy.constBits()), image.constBits(), std::size_t(image.sizeInBytes()));
        return copy;
    }
    return std::nullopt;
}
