#include "platform/qt/FramePresenter.h"

#include <cstring>

QImage FramePresenter::Shareable(const QImage& image)
{
    if (IsOurs(image))
        return image;
    QImage& copy = m_copies[m_nNextCopy];
    m_nNextCopy = (m_nNextCopy + 1) % m_copies.size();
    if (copy.size() != image.size())
        copy = Make(image.size());
    if (copy.isNull() || copy.sizeInBytes() != image.sizeInBytes())
        return {};
    BeforeReuse(copy);
    // Written in place: the copy's memory is what the screen reads.
    std::memcpy(const_cast<uchar*>(copy.constBits()), image.constBits(), std::size_t(image.sizeInBytes()));
    return copy;
}
