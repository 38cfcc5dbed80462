#include "PasswordQuestion.h"

#include "OperationFeed.h"
#include "PasswordDialog.h"
#include "Prompter.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct PasswordQuestion
{
    Q_DECLARE_TR_FUNCTIONS(PasswordQuestion)
};

} // namespace

void askPasswords(TZipEngine &engine)
{
    engine.OnPassword = [](TZipEngine &, const std::string &member, int attempt) {
        using Kind = amx::PasswordAnswer::Kind;
        QByteArray typed;
        bool forAll = true;
        if (!Prompter::instance().askPassword(
                QString::fromStdString(member), attempt > 0, typed, forAll))
            return amx::PasswordAnswer { Kind::SkipAll, {}, false };
        amx::PasswordAnswer answer { Kind::Password,
            amx::SecretText(std::string_view(typed.constData(), size_t(typed.size()))), !forAll };
        wipeBytes(typed);
        return answer;
    };
}

int passwordSkips(const amx::OperationResult &result)
{
    return int(std::count_if(
        result.failures.begin(), result.failures.end(), [](const amx::MemberProblem &p) {
            return isPasswordSkip(p.code);
        }));
}

QString passwordSkipsText(int count)
{
    return count == 1
        ? PasswordQuestion::tr("1 encrypted member was skipped without its password.")
        : PasswordQuestion::tr("%1 encrypted members were skipped without their password.")
              .arg(count);
}
