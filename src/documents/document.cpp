#include "documents/document.h"

namespace Documents {

Document Document::fromStored(const HeaderValues &header, const QList<LineValues> &lines)
{
    Document d;
    d.m_header = header;
    d.m_original = header;
    for (const LineValues &l : lines)
        d.m_lines.append(DocumentLine{l, l, LineMark::Unchanged});
    return d;
}

Document Document::fresh(const HeaderValues &header)
{
    Document d;
    d.m_new = true;
    d.m_header = header;
    d.m_original = header;
    return d;
}

int Document::storageIndex(int visibleIndex) const
{
    int seen = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].mark == LineMark::Deleted)
            continue;
        if (++seen == visibleIndex)
            return i;
    }
    return -1;
}

int Document::lineCount() const
{
    int n = 0;
    for (const DocumentLine &l : m_lines)
        n += l.mark != LineMark::Deleted;
    return n;
}

const LineValues &Document::line(int index) const
{
    return m_lines.at(storageIndex(index)).values;
}

int Document::appendLine(const LineValues &values)
{
    DocumentLine l{values, values, LineMark::New};
    l.values.autoId = 0;
    m_lines.append(l);
    return lineCount() - 1;
}

void Document::updateLine(int index, const LineValues &values)
{
    const int i = storageIndex(index);
    if (i < 0)
        return;
    DocumentLine &l = m_lines[i];
    const qint64 id = l.values.autoId;
    l.values = values;
    l.values.autoId = id;
    if (l.mark == LineMark::Unchanged && !(l.values == l.original))
        l.mark = LineMark::Changed;
    else if (l.mark == LineMark::Changed && l.values == l.original)
        l.mark = LineMark::Unchanged;
}

void Document::removeLine(int index)
{
    const int i = storageIndex(index);
    if (i < 0)
        return;
    if (m_lines[i].mark == LineMark::New)
        m_lines.removeAt(i);
    else
        m_lines[i].mark = LineMark::Deleted;
}

QList<LineValues> Document::lines() const
{
    QList<LineValues> out;
    for (const DocumentLine &l : m_lines)
        if (l.mark != LineMark::Deleted)
            out.append(l.values);
    return out;
}

QList<LineValues> Document::originalLines() const
{
    QList<LineValues> out;
    for (const DocumentLine &l : m_lines)
        if (l.mark != LineMark::New)
            out.append(l.original);
    return out;
}

bool Document::hasChanges() const
{
    if (m_new || !(m_header == m_original))
        return true;
    for (const DocumentLine &l : m_lines)
        if (l.mark != LineMark::Unchanged)
            return true;
    return false;
}

} // namespace Documents
