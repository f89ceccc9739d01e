#include "basedatainuse.h"

#include "messageservice.h"

namespace izoku::ui {

namespace {

// The figures of a loaded row always name their fiscal year; none is in
// use until one is loaded.
bool figuresInUse()
{
    return store::ProcessBaseData().FiscalYear != 0;
}

} // namespace

BaseDataInUse &BaseDataInUse::instance()
{
    static BaseDataInUse inUse;
    return inUse;
}

store::BaseDataLoad BaseDataInUse::load(const QString &path, std::optional<int> fiscalYear)
{
    engine::BaseData data = store::ProcessBaseData();
    const store::BaseDataLoad result = store::OpenAndLoadBaseData(path, data, fiscalYear);
    if (!result.loaded()) {
        if (!figuresInUse()) {
            m_path = path;
            m_year = fiscalYear;
        }
        return result;
    }
    m_path.clear();
    m_year.reset();
    const bool other = data != store::ProcessBaseData();
    store::ProcessBaseData() = data;
    if (other)
        emit figuresChanged(data);
    emit yearsChanged();
    return result;
}

bool BaseDataInUse::ready(QWidget *window)
{
    // A window opened without the menu computes with what it was given.
    if (figuresInUse() || m_path.isEmpty())
        return true;
    const QString path = m_path;
    const store::BaseDataLoad result = load(path, m_year);
    if (result.loaded())
        return true;
    Messages().show(window, *store::BaseDataWarning(result, path));
    return false;
}

} // namespace izoku::ui
