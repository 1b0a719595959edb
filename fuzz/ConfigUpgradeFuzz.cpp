// A configuration file as the program meets it at start: the system lists upgraded
// once (systems shipped since added, templates copied), then the lottery list, the
// definitions and the language read from it. The upgrade only adds: every key the
// file had keeps its value, a file that is no text is left as it was, and a second
// start changes nothing.

#include "FuzzSupport.h"

#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/LanguageTexts.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "play/SystemListUpgrade.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using namespace kivora;

// One program folder for the whole run, holding the shipped templates as a seeded
// folder does: copied here once, plainly, since an upgrade that copies a thousand of
// them safely takes longer than one run may.
const ProgramFolder &folder()
{
    static QTemporaryDir dir;
    static const ProgramFolder programFolder = [] {
        const ProgramFolder made(dir.path());
        const QDir system(made.systemFolder());
        QDir().mkpath(system.path());
        QDirIterator it(QStringLiteral(":/defaults/System"), QDir::Files);
        while (it.hasNext()) {
            const QString source = it.next();
            QFile::copy(source, system.filePath(QFileInfo(source).fileName()));
        }
        return made;
    }();
    return programFolder;
}

QByteArray configBytes()
{
    QFile file(folder().configPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a section without the upgrade's own mark (in section Form).
QStringList withoutRevision(QStringList lines, bool form)
{
    if (form) {
        lines.removeIf([](const QString &line) {
            return line.section(QLatin1Char('='), 0, 0)
                       .trimmed()
                       .compare(systemlists::kRevisionKey, Qt::CaseInsensitive)
                == 0;
        });
    }
    return lines;
}

void readAtStart(const IniDocument &ini, const MessageCatalog &messages)
{
    const QList<LotteryEntry> list = lotteries::readList(ini);
    lotteries::shownNames(ini);
    int read = 0;
    for (const LotteryEntry &entry : list) {
        if (++read > 64)
            break;
        const LotteryDefinition definition = lotteries::readDefinition(ini, entry.name);
        lotteries::validate(definition, messages);
        definition.systemSection();
    }
    ini.readInteger(QStringLiteral("Form"), QStringLiteral("LastDraws"), 0);
    ini.readString(QStringLiteral("Form"), QStringLiteral("LastLottery"), QString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    {
        QFile file(folder().configPath());
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fuzz::require(file.write(bytes) == bytes.size());
    }
    QString text;
    const bool isText = textfile::decodeText(bytes, &text);
    const IniDocument before(text);

    const Done upgraded = systemlists::addMissingShippedSystems(folder());
    const QByteArray after = configBytes();
    if (!isText) {
        // Refused with the reason; not a byte of the file changed.
        fuzz::require(!upgraded && !upgraded.failure().text.isEmpty());
        fuzz::require(after == bytes);
        return 0;
    }
    fuzz::require(upgraded.ok());
    const Outcome<IniDocument> reread = IniFile(folder().configPath()).read();
    fuzz::require(reread.ok());
    const IniDocument &upgradedDocument = *reread;
    fuzz::require(upgradedDocument.readInteger(QStringLiteral("Form"), systemlists::kRevisionKey, 0)
        >= systemlists::kRevision);
    // Every section keeps its lines in order; new keys come after them.
    for (const QString &section : before.sectionNames()) {
        const bool form = section.trimmed().compare(QStringLiteral("Form"), Qt::CaseInsensitive) == 0;
        const QStringList was = withoutRevision(before.keyValueLines(section), form);
        const QStringList now = withoutRevision(upgradedDocument.keyValueLines(section), form);
        fuzz::require(now.size() >= was.size() && std::equal(was.begin(), was.end(), now.begin()));
    }
    // Once upgraded, a start leaves the file alone.
    fuzz::require(systemlists::addMissingShippedSystems(folder()).ok());
    fuzz::require(configBytes() == after);

    const MessageCatalog messages;
    readAtStart(upgradedDocument, messages);
    const LanguageTexts texts(folder());
    texts.messages();
    return 0;
}
