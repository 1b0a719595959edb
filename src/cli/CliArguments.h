#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace kivora::cli {

// The words and options of one invocation: "stat pairs --family all --json" gives the
// words "stat", "pairs" and the options family=all, json="".
class CliArguments final
{
public:
    // Returns false, naming the option as written ("--lottery"), for an option that
    // lacks its value.
    bool parse(const QStringList &arguments, QString *optionWithoutValue);

    const QStringList &words() const { return m_words; }
    QString word(int i) const { return i < m_words.size() ? m_words.at(i) : QString(); }
    bool has(const QString &option) const { return m_options.contains(option); }
    QString value(const QString &option) const { return m_options.value(option); }
    // Options given that are not in the list; used to reject misspellings.
    QStringList unknown(const QStringList &known) const;
    void setValue(const QString &option, const QString &value) { m_options.insert(option, value); }

private:
    QStringList m_words;
    QMap<QString, QString> m_options;
};

} // namespace kivora::cli
