#pragma once

#include "ui/PlatformServices.h"

#include <QObject>
#include <QString>

namespace kivora {

// The title and filter of a file dialog the window shows, kept as an object of their
// own ("OpenDialog1", "SaveDialog1") so that language files can translate them. The
// filter is written as pairs "description|pattern|description|pattern".
class FileDialogTexts final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
public:
    FileDialogTexts(const char *name, QString title, QString filter, QObject *parent);

    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }

    // A request with these texts: "Лотокомбинации|*.ltc" becomes "Лотокомбинации (*.ltc)".
    FileDialogRequest request(int selectedFilter, const QString &defaultSuffix) const;
    static QStringList qtFilters(const QString &pairs);

private:
    QString m_title;
    QString m_filter;
};

} // namespace kivora
