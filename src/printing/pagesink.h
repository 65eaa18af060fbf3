#pragma once

#include "printing/page.h"

#include <QList>

#include <functional>

namespace Printing {

// Receives pages one by one as they are laid out.
class PageSink
{
public:
    virtual ~PageSink() = default;
    virtual void addPage(Page &&page) = 0;
};

// Keeps every page: for tests and for the preview.
class PageCollector final : public PageSink
{
public:
    QList<Page> pages;
    void addPage(Page &&page) override { pages.append(std::move(page)); }
};

// Counts pages without keeping them.
class PageCounter final : public PageSink
{
public:
    int pages = 0;
    void addPage(Page &&) override { ++pages; }
};

// Something that can lay its pages out again, as often as asked.
class PageSource
{
public:
    virtual ~PageSource() = default;
    virtual void producePages(PageSink &sink) const = 0;
};

class PageList final : public PageSource
{
public:
    PageList() = default;
    explicit PageList(QList<Page> list) : pages(std::move(list)) {}
    QList<Page> pages;
    void producePages(PageSink &sink) const override
    {
        for (const Page &p : pages) {
            Page copy = p;
            sink.addPage(std::move(copy));
        }
    }
};

class PageProducer final : public PageSource
{
public:
    using Function = std::function<void(PageSink &)>;
    explicit PageProducer(Function f) : m_function(std::move(f)) {}
    void producePages(PageSink &sink) const override
    {
        if (m_function)
            m_function(sink);
    }

private:
    Function m_function;
};

} // namespace Printing
