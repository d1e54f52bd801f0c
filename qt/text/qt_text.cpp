#include "qt/text/qt_text.h"

#include <algorithm>

namespace ormane::qt {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(const QString& text) {
    return text.toStdString();
}

int characterPosition(const QString& text, int utf16Position) {
    int end = std::clamp(utf16Position, 0, static_cast<int>(text.size()));
    int characters = 0;
    for (int i = 0; i < end; ++i) {
        // The low half of a surrogate pair belongs to the character its high half began.
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) {
            ++characters;
        }
    }
    return characters;
}

int utf16Position(const QString& text, int position) {
    int remaining = std::max(position, 0);
    int i = 0;
    while (i < text.size() && remaining > 0) {
        bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        i += pair ? 2 : 1;
        --remaining;
    }
    return i;
}

QString labelText(std::string_view caption) {
    QString source = toQString(caption);
    QString shown;
    shown.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        QChar c = source.at(i);
        if (c == u'&') {
            if (i + 1 < source.size() && source.at(i + 1) == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        if (c == u'\r') {
            shown += u'\n';
            if (i + 1 < source.size() && source.at(i + 1) == u'\n') ++i;
            continue;
        }
        shown += c;
    }
    return shown;
}

}  // namespace ormane::qt
