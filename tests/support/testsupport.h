#pragma once

// Stand-ins for the program's seams, so that no test opens a real message box,
// browser or clock-seeded draw.

#include "shell/messagebox.h"
#include "shell/random.h"

#include <QList>
#include <QString>

#include <deque>

struct ShownMessage
{
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons) override
    {
        shown.append({text, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList texts() const
    {
        QStringList all;
        for (const ShownMessage &message : shown)
            all.append(message.text);
        return all;
    }

    QList<ShownMessage> shown;
    std::deque<MessageAnswer> answers;

private:
    Seam<MessageBoxes>::Replace replace{*this};
};

class FakeRandom : public RandomSource
{
public:
    void seedFromClock() override { ++seeds; }
    float next() override
    {
        if (draws.empty())
            return 0.0f;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }

    int seeds = 0;
    std::deque<float> draws;

private:
    Seam<RandomSource>::Replace replace{*this};
};
