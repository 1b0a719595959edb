#include "play/SystemShapes.h"

#include "core/Binomial.h"
#include "core/IniDocument.h"
#include "core/ProgramFolder.h"
#include "play/Systems.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace kivora::systemshapes {

namespace {

std::optional<SystemShape> checked(int ticketSize, int numbers, SystemKind kind)
{
    if (ticketSize < 1 || ticketSize > SystemTemplate::kColumns || numbers < ticketSize)
        return std::nullopt;
    return SystemShape { numbers, ticketSize, kind };
}

// One row's positions, sorted; empty when the row holds a placeholder, a position
// beyond the marked numbers or the same position twice.
std::vector<int> rowPositions(const SystemTemplate &parsed, int row)
{
    std::vector<int> positions;
    for (int column = 0; column < SystemTemplate::kColumns; ++column) {
        const qint8 code = parsed.code(row, column);
        if (code == templatecell::kEmpty)
            continue;
        if (code == templatecell::kPlaceholder || code == templatecell::kBeyond)
            return {};
        positions.push_back(code);
    }
    std::sort(positions.begin(), positions.end());
    if (std::adjacent_find(positions.begin(), positions.end()) != positions.end())
        return {};
    return positions;
}

} // namespace

std::optional<SystemShape> fromFileName(const QString &fileName)
{
    static const QRegularExpression full(
        QStringLiteral("^full(\\d{1,3})of(\\d{1,3})\\.ltt$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression wheel(
        QStringLiteral("^wheel(\\d{1,3})_(\\d{1,3})_\\d{1,3}if\\d{1,3}(-\\d+)?\\.ltt$"),
        QRegularExpression::CaseInsensitiveOption);
    // The configuration may name a sub-folder in either form ("old\\full6of7.ltt").
    const QString name = fileName.mid(
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (const QRegularExpressionMatch m = full.match(name); m.hasMatch()) {
        const int ticketSize = m.captured(1).toInt();
        const int numbers = m.captured(2).toInt();
        return checked(ticketSize, numbers, ticketSize == numbers ? SystemKind::OneTicket : SystemKind::Full);
    }
    if (const QRegularExpressionMatch m = wheel.match(name); m.hasMatch())
        return checked(m.captured(1).toInt(), m.captured(2).toInt(), SystemKind::Wheel);
    return std::nullopt;
}

SystemShape fromTemplate(const SystemTemplate &parsed)
{
    const SystemShape other { parsed.uses(), 0, SystemKind::Other };
    if (!parsed.hasFields() || !parsed.fitsList())
        return other;
    std::set<std::vector<int>> rows;
    int width = -1;
    for (int row = 0; row < parsed.rowCount(); ++row) {
        std::vector<int> positions = rowPositions(parsed, row);
        if (positions.empty())
            return other;
        if (width >= 0 && static_cast<int>(positions.size()) != width)
            return other;
        width = static_cast<int>(positions.size());
        rows.insert(std::move(positions));
    }
    const int numbers = parsed.uses();
    if (parsed.rowCount() == 1 && width == numbers)
        return { numbers, width, SystemKind::OneTicket };
    const bool everyOne = static_cast<qint64>(rows.size()) == binomial(numbers, width)
        && static_cast<int>(rows.size()) == parsed.rowCount();
    return { numbers, width, everyOne ? SystemKind::Full : SystemKind::Wheel };
}

std::vector<SystemShape> listed(
    const IniDocument &ini, const QString &section, const QStringList &names, const ProgramFolder &folder)
{
    std::vector<SystemShape> shapes;
    shapes.reserve(static_cast<size_t>(names.size()));
    for (const QString &name : names) {
        const std::optional<QString> file = ini.value(section, name);
        if (file) {
            if (const std::optional<SystemShape> named = fromFileName(*file)) {
                shapes.push_back(*named);
                continue;
            }
            const QString path = systems::templatePath(ini, section, name, folder);
            const QFileInfo info(path);
            if (info.isFile() && info.size() <= kLargestTemplateRead) {
                TemplateCache cache;
                const Outcome<std::shared_ptr<const SystemTemplate>> loaded = cache.load(path);
                if (loaded && *loaded) {
                    shapes.push_back(fromTemplate(**loaded));
                    continue;
                }
            }
        }
        shapes.push_back({ std::max(systems::neededCount(name), 0), 0, SystemKind::Other });
    }
    return shapes;
}

bool Filter::accepts(const SystemShape &shape) const
{
    return (ticketSize == 0 || shape.ticketSize == ticketSize) && (!kind || shape.kind == *kind);
}

int countAccepted(const std::vector<SystemShape> &shapes, const Filter &filter)
{
    return static_cast<int>(std::count_if(
        shapes.begin(), shapes.end(), [&](const SystemShape &shape) { return filter.accepts(shape); }));
}

} // namespace kivora::systemshapes
