#include "PrintFace.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QList>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>

#include <algorithm>

namespace report {
namespace {

const char kFontFile[] = "fonts/opentype/noto/NotoSansCJK-Bold.ttc";
const char kInstalledFamily[] = "Noto Sans CJK SC";
const char kFamily[] = "Noto Sans CJK SC Print";
const char kPostScriptName[] = "NotoSansCJKsc-Bold";
const quint32 kRadicalsFirst = 0x2E80, kRadicalsLast = 0x2FDF;

quint32 tagOf(const char (&t)[5])
{
    return quint32(quint8(t[0])) << 24 | quint32(quint8(t[1])) << 16 | quint32(quint8(t[2])) << 8 | quint8(t[3]);
}

void put16(QByteArray &b, quint16 v)
{
    b.append(char(v >> 8)).append(char(v));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, quint16(v >> 16));
    put16(b, quint16(v));
}

// A table of the face: the installed file's bytes where they are kept as
// they are (not copied), or a new table.
struct Table {
    quint32 tag;
    QByteArray data;
};

// A font file read with every offset checked against its size.
class FontFile
{
public:
    explicit FontFile(QByteArrayView data) : m_data(data) {}
    bool has(qint64 at, qint64 bytes) const { return at >= 0 && bytes >= 0 && at + bytes <= m_data.size(); }
    quint16 u16(qint64 at) const { return has(at, 2) ? qFromBigEndian<quint16>(m_data.data() + at) : 0; }
    quint32 u32(qint64 at) const { return has(at, 4) ? qFromBigEndian<quint32>(m_data.data() + at) : 0; }
    QByteArrayView bytes(qint64 at, qint64 n) const { return has(at, n) ? m_data.sliced(at, n) : QByteArrayView(); }

    // The tables of the face that starts at offset.
    QList<Table> tables(qint64 face) const
    {
        QList<Table> out;
        const int n = u16(face + 4);
        for (int i = 0; i < n; ++i) {
            const qint64 rec = face + 12 + 16 * i;
            const QByteArrayView data = bytes(u32(rec + 8), u32(rec + 12));
            if (data.isNull())
                return {};
            out.append(Table{u32(rec), QByteArray::fromRawData(data.data(), data.size())});
        }
        return out;
    }

private:
    QByteArrayView m_data;
};

const Table *find(const QList<Table> &tables, quint32 tag)
{
    for (const Table &t : tables)
        if (t.tag == tag)
            return &t;
    return nullptr;
}

// The family the Windows names of a name table give (typographic first).
QString familyOf(const QByteArray &name)
{
    const FontFile f(name);
    const int count = f.u16(2);
    const int strings = f.u16(4);
    QString family;
    for (int i = 0; i < count; ++i) {
        const qint64 rec = 6 + 12 * i;
        const int id = f.u16(rec + 6);
        if (f.u16(rec) != 3 || f.u16(rec + 2) != 1 || (id != 1 && id != 16))
            continue;
        const QByteArrayView text = f.bytes(strings + f.u16(rec + 10), f.u16(rec + 8));
        QString s(text.size() / 2, Qt::Uninitialized);
        for (qsizetype k = 0; k < s.size(); ++k)
            s[k] = QChar(qFromBigEndian<quint16>(text.data() + 2 * k));
        if (id == 16 || family.isEmpty())
            family = s;
    }
    return family;
}

// A character map of one format-12 subtable: the face's own Unicode
// ranges (of its Windows full-repertoire map) without the radicals.
QByteArray cmapWithoutRadicals(const QByteArray &cmap)
{
    const FontFile f(cmap);
    qint64 sub = -1;
    for (int i = 0, n = f.u16(2); i < n; ++i) {
        const qint64 rec = 4 + 8 * i;
        if (f.u16(rec) == 3 && f.u16(rec + 2) == 10 && f.u16(f.u32(rec + 4)) == 12)
            sub = f.u32(rec + 4);
    }
    const quint32 groups = sub < 0 ? 0 : f.u32(sub + 12);
    if (groups == 0 || !f.has(sub + 16, qint64(groups) * 12))
        return QByteArray();
    QByteArray kept;
    quint32 count = 0;
    auto keep = [&](quint32 first, quint32 last, quint32 glyph) {
        put32(kept, first);
        put32(kept, last);
        put32(kept, glyph);
        ++count;
    };
    for (quint32 g = 0; g < groups; ++g) {
        const qint64 at = sub + 16 + 12 * qint64(g);
        const quint32 first = f.u32(at), last = f.u32(at + 4), glyph = f.u32(at + 8);
        if (last < kRadicalsFirst || first > kRadicalsLast) {
            keep(first, last, glyph);
            continue;
        }
        if (first < kRadicalsFirst)
            keep(first, kRadicalsFirst - 1, glyph);
        if (last > kRadicalsLast)
            keep(kRadicalsLast + 1, last, glyph + (kRadicalsLast + 1 - first));
    }
    // The one subtable as Unicode of both the Unicode and the Windows
    // platform: with neither a CFF face gets a map made up from its glyph
    // names besides it, which knows no Chinese.
    QByteArray out;
    put16(out, 0); // version
    put16(out, 2);
    put16(out, 0); // Unicode, full repertoire
    put16(out, 4);
    put32(out, 20);
    put16(out, 3); // Windows, full repertoire
    put16(out, 10);
    put32(out, 20);
    put16(out, 12); // format
    put16(out, 0);
    put32(out, 16 + quint32(kept.size()));
    put32(out, 0); // language
    put32(out, count);
    return out + kept;
}

QByteArray nameTable()
{
    const QList<std::pair<int, QString>> names{{1, QString::fromLatin1(kFamily)},
                                               {2, QStringLiteral("Bold")},
                                               {4, QString::fromLatin1(kFamily) + QStringLiteral(" Bold")},
                                               {6, QString::fromLatin1(kPostScriptName)}};
    QByteArray records, strings;
    for (const auto &[id, text] : names) {
        QByteArray utf16;
        for (const QChar c : text)
            put16(utf16, c.unicode());
        put16(records, 3); // Windows, Unicode, US English
        put16(records, 1);
        put16(records, 0x409);
        put16(records, quint16(id));
        put16(records, quint16(utf16.size()));
        put16(records, quint16(strings.size()));
        strings += utf16;
    }
    QByteArray out;
    put16(out, 0);
    put16(out, quint16(names.size()));
    put16(out, quint16(6 + records.size()));
    return out + records + strings;
}

// The sum of the table's big-endian words, the last padded with zeros.
quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    qsizetype i = 0;
    for (; i + 4 <= data.size(); i += 4)
        sum += qFromBigEndian<quint32>(data.constData() + i);
    quint32 last = 0;
    for (int k = 0; k < 4; ++k)
        last = last << 8 | (i + k < data.size() ? quint8(data[i + k]) : 0);
    return sum + last;
}

// The tables as one font file, in the order of their tags.
bool writeFont(QIODevice &out, quint32 version, QList<Table> tables)
{
    std::sort(tables.begin(), tables.end(), [](const Table &a, const Table &b) { return a.tag < b.tag; });
    const auto n = quint16(tables.size());
    quint16 power = 1, log = 0;
    while (power * 2 <= n) {
        power *= 2;
        ++log;
    }
    QByteArray head;
    put32(head, version);
    put16(head, n);
    put16(head, quint16(power * 16));
    put16(head, log);
    put16(head, quint16(n * 16 - power * 16));
    quint32 offset = 12 + 16 * quint32(n);
    for (const Table &t : tables) {
        put32(head, t.tag);
        put32(head, checksum(t.data));
        put32(head, offset);
        put32(head, quint32(t.data.size()));
        offset += quint32((t.data.size() + 3) / 4 * 4);
    }
    bool ok = out.write(head) == head.size();
    for (const Table &t : tables) {
        const QByteArray pad((4 - t.data.size() % 4) % 4, '\0');
        ok = ok && out.write(t.data) == t.data.size() && out.write(pad) == pad.size();
    }
    return ok;
}

QString registerFace()
{
    QFile file(QStandardPaths::locate(QStandardPaths::GenericDataLocation, QString::fromLatin1(kFontFile)));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const uchar *data = file.map(0, file.size());
    if (!data)
        return QString();
    const FontFile f(QByteArrayView(data, file.size()));
    const bool collection = f.u32(0) == tagOf("ttcf");
    const int faces = collection ? int(f.u32(8)) : 1;
    for (int i = 0; i < faces; ++i) {
        const qint64 face = collection ? f.u32(12 + 4 * i) : 0;
        QList<Table> tables = f.tables(face);
        const Table *name = find(tables, tagOf("name"));
        const Table *cmap = find(tables, tagOf("cmap"));
        if (!name || !cmap || familyOf(name->data) != QLatin1String(kInstalledFamily))
            continue;
        const QByteArray ownCmap = cmapWithoutRadicals(cmap->data);
        if (ownCmap.isEmpty())
            return QString();
        tables.removeIf([](const Table &t) { return t.tag == tagOf("name") || t.tag == tagOf("cmap") || t.tag == tagOf("DSIG"); });
        tables.append(Table{tagOf("cmap"), ownCmap});
        tables.append(Table{tagOf("name"), nameTable()});
        // Kept in a file of its own while the program runs, so that only the
        // outlines in use are read into memory.
        static QTemporaryFile made(QDir::tempPath() + QStringLiteral("/hengyuan-print-XXXXXX.otf"));
        if (!made.open() || !writeFont(made, f.u32(face), tables) || !made.flush())
            return QString();
        const int id = QFontDatabase::addApplicationFont(made.fileName());
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }
    return QString();
}

} // namespace

QString boldChineseFamily()
{
    static const QString family = registerFace();
    return family;
}

} // namespace report
