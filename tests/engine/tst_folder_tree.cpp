// The folder tree of a listing, over the shapes entry names come in, and the
// filter's matching.
#include "engine/FolderTree.h"

#include <QtTest>

using namespace marrowick;

namespace {

// "name*" marks a folder with an entry of its own; its folders come first
// in braces, then its other entries by their own names.
QString Shape(const FolderTree& tree, const FileRowList& rows, std::uint32_t id)
{
    const FolderTree::Folder& folder = tree.folder(id);
    QStringList inside;
    for (const std::uint32_t sub : folder.folders)
        inside << Shape(tree, rows, sub);
    for (const std::uint32_t row : folder.files)
        inside << OwnName(rows[row].name).toString();
    return folder.name + (folder.row != FolderTree::None ? "*" : "") + "{" + inside.join(',') + "}";
}

} // namespace

class TestFolderTree : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data()
    {
        QTest::addColumn<QStringList>("names"); // a trailing "|" marks a folder entry
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("path");      // a folder looked up
        QTest::addColumn<QString>("below");     // the last entry's name below that folder
        QTest::addColumn<qulonglong>("files");  // below that folder
        const QString deep = QStringList(1000, "p").join('/');
        QTest::newRow("folders only in names") << QStringList{"a/b/c.txt", "a/d"}
                                                << "{a{b{c.txt},d}}" << "a" << "d" << 2ull;
        QTest::newRow("a folder entry after its files") << QStringList{"d/x", "d/y", "d|"}
                                                         << "{d*{x,y}}" << "d" << "" << 2ull;
        QTest::newRow("repeated and trailing /") << QStringList{"a//b.txt", "a/|", "c//|", "a//e/f"}
                                                  << "{a*{e{f},b.txt},c*{}}" << "a/e" << "f" << 1ull;
        QTest::newRow("1,000 deep") << QStringList{deep + "/f"} << QString() << deep << "f" << 1ull;
        QTest::newRow("an entry named like a folder") << QStringList{"ab", "a/b", "a", "a|"}
                                                       << "{a*{b},ab,a}" << "" << "a" << 3ull;
        QTest::newRow("unicode") << QStringList{"\u00fc/\u65e5.txt", "\u00dc/x"}
                                 << "{\u00fc{\u65e5.txt},\u00dc{x}}" << "\u00fc" << "" << 1ull;
        QTest::newRow("no such folder") << QStringList{"a/b"} << "{a{b}}" << "b" << "" << 0ull;
    }
    void shapes()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, shape);
        QFETCH(QString, path);
        QFETCH(QString, below);
        QFETCH(qulonglong, files);
        FileRowList rows;
        FolderTree tree;
        for (QString name : names) {
            const bool folder = name.endsWith('|');
            if (folder)
                name.chop(1);
            rows.push_back(FileRow{name, 1, 1, 0, folder, false});
            tree.add(rows.back());
        }
        if (!shape.isEmpty())
            QCOMPARE(Shape(tree, rows, FolderTree::Top), shape);
        const std::uint32_t id = tree.find(path);
        if (!files) {
            QCOMPARE(id, FolderTree::None);
            return;
        }
        QCOMPARE(tree.path(id), path.split('/', Qt::SkipEmptyParts).join('/'));
        QCOMPARE(tree.folder(id).filesBelow, files);
        QCOMPARE(tree.folder(id).bytesBelow, files);
        const auto last = static_cast<std::uint32_t>(rows.size() - 1);
        QCOMPARE(tree.isBelow(last, id), !below.isEmpty());
        if (!below.isEmpty())
            QCOMPARE(NameBelow(rows.back().name, tree.folder(id).depth).toString(), below);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        QTest::newRow("part of it, case ignored") << "0503" << "dir060/FILE0503.txt" << true;
        QTest::newRow("not there") << "0504" << "dir060/file0503.txt" << false;
        QTest::newRow("case ignored") << "Readme" << "README.TXT" << true;
        QTest::newRow("star") << "f*3.t" << "dir/file0503.txt" << true;
        QTest::newRow("star, out of order") << "3*f" << "file3" << false;
        QTest::newRow("question mark") << "e?5" << "file0503" << true;
        QTest::newRow("question mark, one only") << "e?5" << "file00503" << false;
        QTest::newRow("star, backtracking") << "a*ab" << "aaxaab" << true;
        QTest::newRow("unicode, case ignored") << "\u00dc*\u65e5" << "\u00fc-\u65e5" << true;
    }
    void filter()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(NameFilter(text).matches(name), matches);
    }
};

QTEST_GUILESS_MAIN(TestFolderTree)
#include "tst_folder_tree.moc"
