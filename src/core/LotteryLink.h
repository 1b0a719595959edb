#pragma once

// What the lottery's "WWW" value may open. The value comes from the configuration,
// and a configuration may come from someone else, so the desktop is handed only a
// web address (http, https) or a page inside the program folder (which the window
// opens after a question); every other kind of address (javascript:, file:, smb:,
// data:, a program) is refused.

#include <QString>

namespace kivora {

struct LotteryLink
{
    enum class Kind {
        None, // no address given ("http://" is the editor's empty default)
        Web, // an http or https address
        LocalPage, // a page inside the program folder
        Refused,
    };
    Kind kind = Kind::None;
    // The address or the page's full path (with its "#topic", when given).
    QString target;
};

// The kind of value and where it leads. "www.example.com/..." is taken for a web
// address without its scheme. A relative file name is looked up in the
// program folder; a page must be an existing .htm, .html or .txt file whose real
// location (links followed) is inside the folder.
LotteryLink lotteryLink(const QString &www, const QString &programFolder);

} // namespace kivora
