#include "referencetexts.h"

#include "engine/pension/survivorsbasicpension.h"
#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"

#include <QDate>

namespace izoku::ui {

namespace {

QString yen(double amount)
{
    return engine::FormatNumber(amount, engine::NumberFormat::Grouped) + QStringLiteral("円");
}

// A figure the row of the year lacks (today's law without B′).
const QString kNoFigure = QStringLiteral("―");

QString heading(const QString &text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text);
}

QString row(const QString &a, const QString &b)
{
    return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>").arg(a, b);
}

QString table(const QString &head1, const QString &head2, const QString &rows)
{
    return QStringLiteral(
               "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr><th>%1</th><th>%2</th></tr>%3</table>")
        .arg(head1, head2, rows);
}

// 死亡一時金 by paid months, as the calculation pays it.
QString deathLumpSumTable()
{
    const struct {
        int from;
        int to;
    } bands[] = {{36, 179}, {180, 239}, {240, 299}, {300, 359}, {360, 419}, {420, 0}};
    QString rows;
    for (const auto &band : bands) {
        const QString months = band.to ? QStringLiteral("%1月以上%2月未満").arg(band.from).arg(band.to + 1)
                                       : QStringLiteral("%1月以上").arg(band.from);
        rows += row(months, yen(engine::DeathLumpSum(band.from)));
    }
    return table(QStringLiteral("保険料納付済期間"), QStringLiteral("金額"), rows);
}

// 経過的寡婦加算 by the wife's birth date, as the calculation pays it.
QString transitionalAdditionTable(const engine::PensionLaw &law)
{
    QString rows;
    for (int year = 1943; year <= 1955; ++year) {
        const QString dates = QStringLiteral("%1年4月2日～%2年4月1日").arg(year).arg(year + 1);
        const std::optional<std::int32_t> amount = engine::TransitionalWidowsAddition(law, QDate(year, 4, 2));
        rows += row(dates, amount ? yen(*amount) : kNoFigure);
    }
    rows += row(QStringLiteral("1956年4月2日以後"), QStringLiteral("なし"));
    return table(QStringLiteral("妻の生年月日"), QStringLiteral("加算額（年額）"), rows);
}

const QString kChild = QStringLiteral(
    "「子」とは、18歳到達年度の末日（3月31日）までの子、または20歳未満で障害等級1級・2級の状態にある子で、"
    "いずれも現に婚姻していない子をいいます。");

// The survivors' basic pension of a wife with `children` children.
QString withChildren(const engine::PensionLaw &law, int children)
{
    return yen(static_cast<double>(
        engine::SurvivorsBasicPensionAmount(children, law.basicPension, law.childAddition1, law.childAddition2)));
}

} // namespace

QString WithLawCaption(const QString &title, const engine::PensionLaw &law)
{
    const QString caption = engine::LawCaption(law);
    return caption.isEmpty() ? title : QStringLiteral("%1（%2）").arg(title, caption);
}

QList<ReferenceText> BasicPensionReferenceTexts(const engine::PensionLaw &law)
{
    const QString basic =
        heading(WithLawCaption(QStringLiteral("遺族基礎年金"), law)) +
        QStringLiteral("<p><b>遺族の範囲</b>　死亡した方によって生計を維持されていた「子のある妻」または「子」。%1</p>")
            .arg(kChild) +
        QStringLiteral("<p><b>支給要件</b>　次のいずれかに該当する方が死亡したとき（①②は保険料納付要件が必要）。<br>"
                       "①国民年金の被保険者　②被保険者であった方で、日本国内に住所がある60歳以上65歳未満の方<br>"
                       "③老齢基礎年金の受給権者　④老齢基礎年金の受給資格期間を満たした方</p>") +
        QStringLiteral("<p><b>年金額</b>　%1＋子の加算額</p>").arg(yen(law.basicPension)) +
        table(QStringLiteral("子の加算"), QStringLiteral("年額"),
              row(QStringLiteral("第1子・第2子（1人につき）"), yen(law.childAddition1)) +
                  row(QStringLiteral("第3子以降（1人につき）"), yen(law.childAddition2))) +
        QStringLiteral(
            "<p><b>支給開始</b>　死亡日の属する月の翌月分から。<br>"
            "<b>支給期間</"
            "b>　子が18歳到達年度の末日（障害のある子は20歳）に達するまで。子の数が減るとその翌月から減額されます。<br>"
            "<b>支給停止</b>　労働基準法による遺族補償が行われるときは死亡日から6年間。<br>"
            "<b>失権</b>　受給者の死亡・婚姻・直系血族または直系姻族以外の者の養子となったとき、"
            "すべての子が加算の対象でなくなったとき。</p>"
            "<p><b>支給のイメージ</b><br>夫の死亡 ──▶ 遺族基礎年金（子の加算つき）──▶ 末子の18歳到達年度末で終了</p>");

    const QString widow =
        heading(QStringLiteral("寡婦年金")) +
        QStringLiteral(
            "<p><b>支給要件</b>　次のすべてを満たすとき、妻に支給されます。<br>"
            "①夫の第1号被保険者としての保険料納付済期間と免除期間が合わせて%1年以上<br>"
            "②夫が障害基礎年金の受給権者であったことがない<br>"
            "③夫が老齢基礎年金の支給を受けたことがない<br>"
            "④夫の死亡当時、夫によって生計を維持されていた<br>"
            "⑤夫との婚姻関係（事実上の婚姻関係を含む）が10年以上継続していた<br>"
            "⑥妻が65歳未満である<br>"
            "⑦妻が繰上げ支給の老齢基礎年金を受けていない</p>"
            "<p><b>年金額</b>　夫の第1号被保険者期間について計算した老齢基礎年金額の4分の3。<br>"
            "%2 ×（保険料納付済月数＋免除月数の換算月数）÷ 480 × 3/4</p>"
            "<p><b>支給期間</b>　妻が60歳から65歳になるまで（夫の死亡が妻の60歳前なら60歳から）。<br>"
            "<b>支給停止</b>　労働基準法による遺族補償が行われるときは6年間。<br>"
            "<b>失権</b>　妻が65歳になったとき、死亡・婚姻・養子となったとき、繰上げ支給の老齢基礎年金を受けたとき。</"
            "p>"
            "<p><b>Q</b>　寡婦年金と死亡一時金の両方を受けられますか。<br>"
            "<b>A</b>　両方の要件を満たすときは、どちらか一方を選択します。</p>")
            .arg(engine::WidowsPensionYears(law))
            .arg(yen(law.basicPension));

    const QString lumpSum =
        heading(QStringLiteral("死亡一時金")) +
        QStringLiteral(
            "<p>第1号被保険者として保険料を36月以上納めた方が、老齢基礎年金・障害基礎年金を受けないまま死亡し、"
            "遺族が遺族基礎年金を受けられないときに支給されます。</p>") +
        deathLumpSumTable() +
        QStringLiteral("<p>付加保険料の納付済期間が3年以上あるときは8,500円が加算されます。</p>") +
        heading(QStringLiteral("付加年金")) +
        QStringLiteral("<p>第1号被保険者が定額の保険料に月額400円の付加保険料を上乗せして納めると、"
                       "老齢基礎年金に付加年金（200円 × 付加保険料納付月数、年額）が加わります。</p>");

    const QString requirement =
        heading(QStringLiteral("保険料納付要件")) +
        QStringLiteral("<p>死亡日の前日において、死亡日の属する月の前々月までの被保険者期間のうち、"
                       "保険料納付済期間と免除期間を合わせた期間が3分の2以上あること。</p>"
                       "<p><b>特例</b>　死亡日が平成28年4月1日前で、死亡した方が65歳未満のときは、"
                       "死亡日の属する月の前々月までの1年間に保険料の滞納がなければ要件を満たします。</p>") +
        heading(WithLawCaption(QStringLiteral("支給例"), law)) +
        table(QStringLiteral("家族構成"), QStringLiteral("遺族基礎年金（年額）"),
              row(QStringLiteral("妻と子1人"), withChildren(law, 1)) +
                  row(QStringLiteral("妻と子2人"), withChildren(law, 2)) +
                  row(QStringLiteral("妻と子3人"), withChildren(law, 3)) +
                  row(QStringLiteral("妻と子4人"), withChildren(law, 4)));

    return {{QStringLiteral("遺族基礎年金"), basic},
            {QStringLiteral("寡婦年金"), widow},
            {QStringLiteral("死亡一時金、付加年金"), lumpSum},
            {QStringLiteral("保険料納付要件 /  支給例"), requirement}};
}

QList<ReferenceText> EmployeesPensionReferenceTexts(const engine::PensionLaw &law)
{
    const QString basics =
        heading(QStringLiteral("遺族厚生年金　基本事項")) +
        QStringLiteral(
            "<p><b>遺族の範囲</"
            "b>　死亡した方によって生計を維持されていた①配偶者・子　②父母　③孫　④祖父母（この順位で最先順位の方）。"
            "夫・父母・祖父母は死亡当時55歳以上に限り、支給は60歳から。子・孫は18歳到達年度の末日まで"
            "（障害等級1級・2級は20歳未満）。</p>"
            "<p><b>短期要件</"
            "b>　①厚生年金の被保険者の死亡　②被保険者期間中に初診日のある傷病で初診日から5年以内の死亡　"
            "③障害等級1級・2級の障害厚生年金の受給権者の死亡。被保険者期間が300月に満たないときは300月とみなして計算し"
            "ます。</p>"
            "<p><b>長期要件</b>　④老齢厚生年金の受給権者または受給資格期間を満たした方の死亡。"
            "実際の被保険者期間で、生年月日に応じた給付乗率により計算します。</p>"
            "<p><b>年金額</b>　老齢厚生年金の報酬比例部分の4分の3。<br>"
            "（平均標準報酬月額 × 7.125/1000 × 平成15年3月までの月数 ＋ 平均標準報酬額 × 5.481/1000 × "
            "平成15年4月以後の月数）× 3/4</p>"
            "<p><b>沿革</b>　昭和60年改正（昭和61年4月施行）で遺族厚生年金となり、平成15年4月から総報酬制、"
            "平成16年改正により平成19年4月から30歳未満で子のない妻への支給は5年間の有期給付となりました。</p>");

    const QString loss =
        heading(QStringLiteral("死亡の推定")) +
        QStringLiteral("<p>"
                       "船舶・航空機の事故で行方不明となり3か月間生死が分からないとき、またはその事故で死亡が3か月以内"
                       "に明らかになり"
                       "死亡時期が分からないときは、事故の日に死亡したものと推定します。失踪宣告を受けたときは、行方不"
                       "明となった日に"
                       "さかのぼって遺族年金の要件をみます。</p>") +
        heading(QStringLiteral("支給停止")) +
        QStringLiteral("<p>"
                       "労働基準法による遺族補償が行われるときは死亡日から6年間。夫・父母・祖父母への支給は60歳になるま"
                       "で停止されます。"
                       "子に対する遺族厚生年金は、配偶者が受給権を有する間は停止されます。</p>") +
        heading(QStringLiteral("失権")) +
        QStringLiteral("<p>受給者の死亡、婚姻（事実婚を含む）、直系血族または直系姻族以外の者の養子となったとき、離縁、"
                       "子・孫が18歳到達年度の末日を過ぎたとき（障害のある子・孫は20歳に達したとき）。"
                       "夫の死亡時に30歳未満で子のない妻は、受給権を得てから5年を経過したとき。</p>");

    const QString additions =
        heading(WithLawCaption(QStringLiteral("中高齢寡婦加算"), law)) +
        QStringLiteral(
            "<p>年額 %1。妻が40歳から65歳になるまで、遺族厚生年金に加算されます。</p>"
            "<p><b>要件</b>　夫の死亡時に40歳以上65歳未満で子のない妻、または子のある妻が子の年齢到達により"
            "遺族基礎年金を受けられなくなった時点で40歳以上の妻。長期要件の場合は夫の厚生年金の被保険者期間が"
            "20年以上（240月以上）あることが必要です。遺族基礎年金を受けている間は支給されません。</p>")
            .arg(yen(engine::MiddleAgedWidowsAdditionAmount(law))) +
        heading(QStringLiteral("経過的寡婦加算")) +
        QStringLiteral("<p>中高齢寡婦加算を受けていた妻が65歳になると、中高齢寡婦加算に代わって、生年月日に応じた額が"
                       "遺族厚生年金に加算されます（昭和31年4月1日以前生まれの妻）。</p>") +
        transitionalAdditionTable(law);

    const QString image =
        heading(QStringLiteral("遺族年金の支給イメージと支給期間")) +
        QStringLiteral("<p><b>子のある妻の場合</b><br>"
                       "夫死亡 ──▶ 遺族厚生年金（終身）<br>"
                       "　　　　 ──▶ 遺族基礎年金＋子の加算（末子の18歳到達年度末まで）<br>"
                       "　　　　　　　　──▶ 中高齢寡婦加算（40歳～65歳）<br>"
                       "65歳 ──▶ 妻自身の老齢基礎年金 ＋ 遺族厚生年金（＋経過的寡婦加算）</p>"
                       "<p><b>子のない妻の場合</b><br>"
                       "30歳未満：遺族厚生年金のみ5年間。　40歳以上：遺族厚生年金＋中高齢寡婦加算（65歳まで）。</p>"
                       "<p><b>妻自身の老齢年金との調整（65歳以降）</b><br>"
                       "妻自身の老齢厚生年金が優先して支給され、遺族厚生年金はそれを上回る額のみ支給されます。"
                       "遺族厚生年金の額は、①遺族厚生年金の額　②遺族厚生年金の3分の2＋妻の老齢厚生年金の2分の1　の"
                       "いずれか多い額となります。</p>");

    return {{QStringLiteral("遺族厚生年金　基本事項"), basics},
            {QStringLiteral("死亡の推定　/　失権"), loss},
            {QStringLiteral("中高齢寡婦加算　/　経過的寡婦加算"), additions},
            {QStringLiteral("遺族年金の支給イメージと支給期間"), image}};
}

} // namespace izoku::ui
