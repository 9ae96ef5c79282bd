#pragma once
// Acts on the quiz user dialog once it is up as a modal dialog: the caller then runs the
// code that shows it (QuizOption, start-up) and the action runs inside its event loop.
#include "quiz/dlgAddQuizInfo.h"

#include <QApplication>
#include <QTimer>
#include <functional>

namespace quizfixture {

inline void onDialog(std::function<void(dlgAddQuizInfo&)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto* d = qobject_cast<dlgAddQuizInfo*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(*d);
    });
    poll->start();
}

} // namespace quizfixture
