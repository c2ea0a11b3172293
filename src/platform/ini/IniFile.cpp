#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringList>

namespace ini {
namespace {

struct Lines {
    QStringList lines;
    QString eol = QStringLiteral("\n");
};

Lines load(const QString &file)
{
    Lines out;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        // Files written by older Chinese Windows tools are in GB18030/GBK.
        QStringDecoder gb("GB18030");
        if (gb.isValid())
            text = gb.decode(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QStringLiteral("\r\n")))
        out.eol = QStringLiteral("\r\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.lines = text.split(QLatin1Char('\n'));
    if (!out.lines.isEmpty() && out.lines.last().isEmpty())
        out.lines.removeLast();
    return out;
}

// The section name of a "[name]" line, or a null string.
QString sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool isComment(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

// The key of a "key=value" line (trimmed), or a null string.
QString keyOf(const QString &line, QString *value = nullptr)
{
    if (isComment(line))
        return QString();
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return QString();
    if (value)
        *value = line.mid(eq + 1);
    return line.left(eq).trimmed();
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString trimValue(QString v)
{
    while (!v.isEmpty() && (v.back() == QChar(0) || v.back() == QLatin1Char(' ')))
        v.chop(1);
    return v.trimmed();
}

} // namespace

QString read(const QString &file, const QString &section, const QString &key, const QString &fallback)
{
    const Lines f = load(file);
    bool inSection = false;
    for (const QString &line : f.lines) {
        const QString s = sectionOf(line);
        if (!s.isNull()) {
            inSection = same(s, section);
            continue;
        }
        if (!inSection)
            continue;
        QString value;
        if (same(keyOf(line, &value), key))
            return trimValue(value);
    }
    return fallback;
}

bool write(const QString &file, const QString &section, const QString &key, const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));

    Lines f = load(file);
    int sectionLine = -1; // the "[section]" line of the first matching section
    int lastKeyLine = -1; // its last key line, where a new key goes after
    int keyLine = -1;
    bool inSection = false;
    for (int i = 0; i < f.lines.size(); ++i) {
        const QString &line = f.lines[i];
        const QString s = sectionOf(line);
        if (!s.isNull()) {
            if (sectionLine >= 0 && inSection)
                break; // past the first matching section
            inSection = same(s, section);
            if (inSection) {
                sectionLine = i;
                lastKeyLine = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        const QString k = keyOf(line);
        if (!k.isNull()) {
            lastKeyLine = i;
            if (same(k, key)) {
                keyLine = i;
                break;
            }
        }
    }

    if (keyLine >= 0) {
        f.lines[keyLine] = keyOf(f.lines[keyLine]) + QLatin1Char('=') + v;
    } else if (sectionLine >= 0) {
        f.lines.insert(lastKeyLine + 1, key + QLatin1Char('=') + v);
    } else {
        if (!f.lines.isEmpty() && !f.lines.last().trimmed().isEmpty())
            f.lines << QString();
        f.lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + v;
    }

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QString text = f.lines.join(f.eol) + f.eol;
    if (out.write(text.toUtf8()) < 0)
        return false;
    return out.commit();
}

} // namespace ini
