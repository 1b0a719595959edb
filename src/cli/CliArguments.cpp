#include "cli/CliArguments.h"

#include "cli/CliOptions.h"

namespace kivora::cli {

namespace {

// Options that never take a value.
bool isFlag(const QString &name)
{
    static const QStringList flags = option::flags();
    return flags.contains(name);
}

} // namespace

bool CliArguments::parse(const QStringList &arguments, QString *optionWithoutValue)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            m_words.append(arg);
            continue;
        }
        QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        QString value;
        const int eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (!isFlag(name)) {
            // "--lottery --json" lacks the lottery; a value of that form is written
            // "--lottery=--json".
            if (i + 1 >= arguments.size() || arguments.at(i + 1).startsWith(QLatin1String("--"))) {
                *optionWithoutValue = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
                return false;
            }
            value = arguments.at(++i);
        }
        m_options.insert(name, value);
    }
    return true;
}

QStringList CliArguments::unknown(const QStringList &known) const
{
    QStringList result;
    for (auto it = m_options.cbegin(); it != m_options.cend(); ++it) {
        if (!known.contains(it.key()))
            result.append(it.key());
    }
    return result;
}

} // namespace kivora::cli
