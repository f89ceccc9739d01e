#include "formkyouikuhi.h"

#include "referencewidgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace izoku::ui {

FormKyouikuhi::FormKyouikuhi(QWidget *parent)
    : ReferenceWindow(QStringLiteral("FormKyouikuhi"), QStringLiteral("教育費"), ButtonRow::Bottom, 4.0, parent)
{
    // Each total is the sum of its three parts (the kindergarten, elementary
    // and junior high figures of 538,406, 334,134 and 1,269,391 included).
    body()->addWidget(
        TitledTable(this, {QStringLiteral("文部科学省「子どもの学習費調査2006年度」より)"),
                           {QStringLiteral("学校種別"), QString(), QStringLiteral("学習費総額"),
                            QStringLiteral("学校教育費"), QStringLiteral("学校給食費"), QStringLiteral("学校外活動費")},
                           {{QStringLiteral("幼稚園"), QStringLiteral("公立"), QStringLiteral("251,324"),
                             QStringLiteral("133,346"), QStringLiteral("14,390"), QStringLiteral("103,588")},
                            {QStringLiteral("幼稚園"), QStringLiteral("私立"), QStringLiteral("538,406"),
                             QStringLiteral("368,392"), QStringLiteral("25,153"), QStringLiteral("144,861")},
                            {QStringLiteral("小学校"), QStringLiteral("公立"), QStringLiteral("334,134"),
                             QStringLiteral("56,655"), QStringLiteral("40,937"), QStringLiteral("236,542")},
                            {QStringLiteral("小学校"), QStringLiteral("私立"), QStringLiteral("1,373,184"),
                             QStringLiteral("780,001"), QStringLiteral("30,843"), QStringLiteral("562,340")},
                            {QStringLiteral("中学校"), QStringLiteral("公立"), QStringLiteral("471,752"),
                             QStringLiteral("133,183"), QStringLiteral("36,563"), QStringLiteral("302,006")},
                            {QStringLiteral("中学校"), QStringLiteral("私立"), QStringLiteral("1,269,391"),
                             QStringLiteral("957,893"), QStringLiteral("7,254"), QStringLiteral("304,244")},
                            {QStringLiteral("高校"), QStringLiteral("公立"), QStringLiteral("520,503"),
                             QStringLiteral("343,922"), QStringLiteral("-"), QStringLiteral("176,581")},
                            {QStringLiteral("高校"), QStringLiteral("私立"), QStringLiteral("1,045,234"),
                             QStringLiteral("785,289"), QStringLiteral("-"), QStringLiteral("259,945")}},
                           true}));
    body()->addSpacing(12);
    body()->addWidget(
        TitledTable(this, {QStringLiteral("独立行政法人日本学生支援機構（JASSO）(平成18年度学生生活調査結果)"),
                           {QStringLiteral("学校種別"), QString(), QStringLiteral("学費総額"),
                            QStringLiteral("授業料、その他"), QStringLiteral("修学費、通学費")},
                           {{QStringLiteral("大学"), QStringLiteral("国立"), QStringLiteral("654,100"),
                             QStringLiteral("512,700"), QStringLiteral("141,400")},
                            {QStringLiteral("大学"), QStringLiteral("公立"), QStringLiteral("665,500"),
                             QStringLiteral("523,500"), QStringLiteral("142,000")},
                            {QStringLiteral("大学"), QStringLiteral("私立"), QStringLiteral("1,323,200"),
                             QStringLiteral("1,153,900"), QStringLiteral("169,300")}},
                           true}));
    body()->addWidget(Paragraph(this, QStringLiteral("　※ 自宅通学の場合です")));
    setDesignWidth(540);
    finish();
}

} // namespace izoku::ui
