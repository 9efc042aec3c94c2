#include "failure_message.h"

#include <cerrno>
#include <cstring>

#include "number_rules.h"

namespace tavrel::ui {
namespace {

const char* Reason(FailureKind kind) {
    switch (kind) {
        case FailureKind::Overflow: return "数值过大，超出了计算范围";
        case FailureKind::NoSlot: return "条基宽度不在 450 至 8550 mm 之间";
        case FailureKind::DivisionByZero: return "有效高度 h0 为 0，无法计算钢筋面积";
        case FailureKind::NegativeSquareRoot: return "钢筋面积为负值，无法选配钢筋";
        // Only a range boundary halfway between two hundreds leaves a width
        // undesigned; say so, since the inputs look harmless otherwise.
        case FailureKind::EmptySlot:
            return "该宽度没有计算结果（宽度范围的分界落在两个整百之间的正中）";
        case FailureKind::ReportFile: return "无法写入结果文件";
    }
    return "计算出错";
}

// Why a report file could not be written, in the words of the warning box.
// Reasons the engineer can act on get their own sentence; any other keeps
// the system's wording.
QString FileReason(const CalculationFailure& failure) {
    switch (failure.SystemError()) {
        case ENOENT: return QStringLiteral(u"文件夹不存在");
        case EACCES:
        case EPERM: return QStringLiteral(u"没有写入权限");
        case EROFS: return QStringLiteral(u"磁盘或文件夹是只读的");
        case ENOSPC:
        case EDQUOT: return QStringLiteral(u"磁盘空间不足");
        case EISDIR: return QStringLiteral(u"所选名称是一个文件夹");
        case ENAMETOOLONG: return QStringLiteral(u"文件名太长");
        case ETXTBSY:
        case EBUSY: return QStringLiteral(u"文件正被其他程序使用");
        default: return QString::fromLocal8Bit(std::strerror(failure.SystemError()));
    }
}

const QString kStopped = QStringLiteral(u"计算中止，未能完成。");

}  // namespace

QString FailureMessage(const CalculationFailure& failure) {
    QString text = kStopped + u'\n' + QStringLiteral(u"原因：") +
                   QString::fromUtf8(Reason(failure.Kind())) + QStringLiteral(u"。");
    if (failure.Width())
        text += QStringLiteral(u"\n条基宽度：") +
                QString::fromStdString(FormatPlainNumber(*failure.Width())) +
                QStringLiteral(u" mm");
    if (failure.SystemError() != 0) {
        text += QStringLiteral(u"\n文件：") + QString::fromStdString(failure.FileName()) +
                QStringLiteral(u"\n原因：") + FileReason(failure) + QStringLiteral(u"。");
    } else if (!failure.Detail().empty()) {
        text += QStringLiteral(u"\n详细：") + QString::fromStdString(failure.Detail());
    }
    return text;
}

QString UnexpectedFailureMessage(const std::exception& error) {
    return kStopped + u'\n' + QStringLiteral(u"原因：程序内部错误（") +
           QString::fromLocal8Bit(error.what()) + QStringLiteral(u"）。");
}

}  // namespace tavrel::ui
