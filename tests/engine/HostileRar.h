#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace marrowick::test {

// Rewrites the file headers of a real RAR5 archive so tests can make
// entries that `rar` itself would never write (names with "..", absolute
// names, setuid modes, copies pointing anywhere). Every changed header gets
// its size and CRC32 recomputed, so the library reads it as sound.
class HostileRar final
{
public:
    static std::optional<HostileRar> load(const QString& path);

    int fileCount() const;
    QString fileName(int file) const;

    void setFileName(int file, const QString& name);
    void setAttributes(int file, std::uint64_t attributes);
    void setUnpackedSize(int file, std::uint64_t size);
    // Target of a link or file-copy entry (its redirection record).
    void setRedirName(int file, const QString& name);
    // Damages the packed data without touching the header.
    void flipDataByte(int file, int offset = 0);

    bool save(const QString& path) const;

private:
    struct Block
    {
        QByteArray raw; // the whole header as read, CRC included
        QByteArray data;
        bool isFile = false;
        std::uint64_t flags = 0;
        std::uint64_t fileFlags = 0;
        std::uint64_t unpSize = 0;
        std::uint64_t attributes = 0;
        QByteArray mtimeAndCrc; // the optional fixed fields, kept as they are
        std::uint64_t compression = 0;
        std::uint64_t hostOS = 0;
        QByteArray name;
        QByteArray extra;
        bool changed = false;
    };

    Block* file(int index);
    const Block* file(int index) const;
    QByteArray serialize(const Block& block) const;

    QByteArray m_signature;
    std::vector<Block> m_blocks;
    QByteArray m_tail;
};

} // namespace marrowick::test
