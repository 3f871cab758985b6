#pragma once

#include <QString>

namespace marrowick {

// Where a volume sits in its set, by the library's own naming rules: new
// numbering counts in the last number of the name (name.part03.rar is
// volume 3, its first name.part01.rar), old numbering in the extension
// (name.rar, name.r00, name.r01 ... are volumes 1, 2, 3 ...).
struct VolumePlace
{
    QString firstVolume; // the path of the set's first volume
    int number = 0;      // this volume's number, 1 for the first; 0 when the name has none
};

VolumePlace PlaceInSet(const QString& path, bool newNumbering);

// The path of volume number (1 for the first) of the set the given volume
// belongs to, by the same rules; the given path when its name has no number.
QString VolumePath(const QString& anyVolume, int number, bool newNumbering);

} // namespace marrowick
