#include "engine/VolumeNames.h"

namespace marrowick {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The last digit of the volume number, as the library finds it: the last
// number of the name, or an earlier one when only letters part it from the
// extension and a dot comes before it ("name.part3a.rar" is "3").
qsizetype VolumeNumberEnd(const QString& path, qsizetype nameStart)
{
    qsizetype at = path.size() - 1;
    while (at > nameStart && !IsDigit(path[at]))
        --at;
    qsizetype before = at;
    while (before > nameStart && IsDigit(path[before]))
        --before;
    while (before > nameStart && path[before] != QLatin1Char('.')) {
        if (IsDigit(path[before])) {
            const qsizetype dot = path.indexOf(QLatin1Char('.'), nameStart);
            if (dot >= 0 && dot < before)
                at = before;
            break;
        }
        --before;
    }
    return at;
}

} // namespace

VolumePlace PlaceInSet(const QString& path, bool newNumbering)
{
    VolumePlace place{path, 0};
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    if (newNumbering) {
        const qsizetype end = VolumeNumberEnd(path, nameStart);
        if (end < nameStart || !IsDigit(path[end]))
            return place;
        qsizetype start = end;
        while (start > nameStart && IsDigit(path[start - 1]))
            --start;
        bool ok = false;
        place.number = path.mid(start, end - start + 1).toInt(&ok);
        if (!ok)
            place.number = 0;
        // The last digit becomes 1, the others 0: part03 -> part01.
        for (qsizetype i = start; i <= end; ++i)
            place.firstVolume[i] = i == end ? QLatin1Char('1') : QLatin1Char('0');
        return place;
    }
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        return place;
    const QString extension = path.mid(dot + 1);
    place.firstVolume = path.left(dot + 1) + QStringLiteral("rar");
    if (extension.compare(QStringLiteral("rar"), Qt::CaseInsensitive) == 0) {
        place.number = 1;
    } else if (extension.size() == 3 && extension[0].isLetter() && IsDigit(extension[1]) &&
               IsDigit(extension[2])) {
        // .r00 follows .rar, .s00 follows .r99.
        const int letter = extension[0].toLower().unicode() - u'r';
        if (letter >= 0)
            place.number = 2 + letter * 100 + extension.mid(1).toInt();
    }
    return place;
}

QString VolumePath(const QString& anyVolume, int number, bool newNumbering)
{
    const qsizetype nameStart = anyVolume.lastIndexOf(QLatin1Char('/')) + 1;
    if (newNumbering) {
        const qsizetype end = VolumeNumberEnd(anyVolume, nameStart);
        if (end < nameStart || !IsDigit(anyVolume[end]))
            return anyVolume;
        qsizetype start = end;
        while (start > nameStart && IsDigit(anyVolume[start - 1]))
            --start;
        // part01 becomes part02 ... part10; part99 becomes part100.
        const QString digits =
            QString::number(number).rightJustified(end - start + 1, QLatin1Char('0'));
        return anyVolume.left(start) + digits + anyVolume.mid(end + 1);
    }
    const QString first = PlaceInSet(anyVolume, false).firstVolume;
    if (number <= 1)
        return first;
    // .rar, .r00 ... .r99, .s00 ...
    const int index = number - 2;
    const QString extension = QLatin1Char(char('r' + index / 100)) +
                              QString::number(index % 100).rightJustified(2, QLatin1Char('0'));
    const bool upper = first.endsWith(QLatin1String(".RAR"));
    return first.left(first.size() - 3) + (upper ? extension.toUpper() : extension);
}

} // namespace marrowick
