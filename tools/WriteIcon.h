#pragma once
// A Windows .ico of 4-bit (16-colour) images, written by hand: Qt's own
// writer only stores 32-bit images.
#include <QImage>
#include <QList>
#include <QString>

// Each image is Format_Indexed8 with at most 16 colours, at most 255 wide.
// Returns false and sets strError when the file cannot be written.
bool WriteIcon(const QString& strPath, const QList<QImage>& images, QString& strError);
