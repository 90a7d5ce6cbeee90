#include "ui/qt/qt_words.h"

#include <QCoreApplication>

namespace corvane {

QString Tr(const Words& words)
{
    std::vector<std::string> args;
    args.reserve(words.args.size());
    for (const Arg& arg : words.args)
        args.push_back(std::holds_alternative<Words>(arg) ? Tr(std::get<Words>(arg)).toStdString()
                                                          : std::get<std::string>(arg));
    const std::string source(Source(words.id));
    const QString text = QCoreApplication::translate(kWordsContext, source.c_str());
    return QString::fromStdString(Filled(text.toStdString(), args));
}

} // namespace corvane
