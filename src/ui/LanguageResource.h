#pragma once

// Language files translate every window's texts and the message catalogue. A file is
// INI-style, one section per window ("MainForm", "AddTirag", ...), with keys
//
//   N35_Caption=&all                  a single text of a component (or the window)
//   BitBtn5_Hint=Add draw results     its hint
//   ListView1_ColumnCaption[1]=...    a column caption of a list
//   MainForm_FontName, _FontSize      the window's font (size 0 keeps it)
//   Str1=Analysed                     catalogue texts, in section MainForm
//
// A key the file lacks, or holds empty, is written back with the current text, so
// opening the program once with a new file name produces a complete template.

#include <QString>
#include <QStringList>

class QWidget;

namespace kivora {

class IniDocument;
class MessageCatalog;

class LanguageResource final
{
public:
    enum class Kind {
        MainWindow, // captions, hints, dialog titles and filters
        Dialog, // captions, tab captions and list rows
    };

    LanguageResource(QWidget *window, Kind kind);

    // Applies the file's texts to the window; missing ones are written into doc.
    void apply(IniDocument &doc) const;
    QString section() const;

    // The catalogue's texts from section MainForm; missing ones are written back.
    static void applyMessages(MessageCatalog &messages, IniDocument &doc);

private:
    QWidget *m_window;
    Kind m_kind;
};

} // namespace kivora
