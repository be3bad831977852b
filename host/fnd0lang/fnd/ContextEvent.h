// fnd::IContextEvent — the notification context of one drawing: one source per kind known
// to its registry when the context was made, the targets (listeners) and the depth of the
// open modification brackets.
#pragma once

#include "fnd/RefCounter.h"
#include "fnd/SourceEvent.h"

#include <memory>
#include <vector>

namespace fnd {

// A listener attached to a context.
class ITargetEvent {
public:
    virtual ~ITargetEvent() = default;
    virtual void OnBeginModify(IContextEvent* /*context*/) {}
    virtual void OnEndModify(IContextEvent* /*context*/) {}
    virtual void OnNotify(IContextEvent* /*context*/, int /*kindIndex*/, unsigned /*code*/, void* /*data*/) {}
};

class IContextEvent : public IRefCounter {
public:
    // Builds one source per kind registered in the registry now, indexed by kind index.
    explicit IContextEvent(const CSourceEventTypeRegistry& registry);
    ~IContextEvent() override;
    String ToString() const override { return "IContextEvent"; }

    // Opens a bracket; the first one tells every target that a batch begins.
    void BeginModify();
    // Closes a bracket; the last one tells every target that the batch ended and clears
    // every source. Closing with no bracket open does nothing.
    void EndModify();
    unsigned GetDepth() const { return m_depth; }

    // The source of kind index, or null (kind unknown to this context, or no source made).
    ISourceEvent* GetSourceEvent(int index) const;
    int GetNoSourceEvents() const { return static_cast<int>(m_sources.size()); }

    void AttachTarget(ITargetEvent* target);
    bool DetachTarget(ITargetEvent* target);

    // Used by the sources.
    void NotifyTargets(int index, unsigned code, void* data);

private:
    std::vector<std::unique_ptr<ISourceEvent>> m_sources;
    std::vector<ITargetEvent*> m_targets;
    unsigned m_depth = 0;
};

// A modification bracket held for a scope; a null context is allowed and does nothing.
class CModifyBracket {
public:
    explicit CModifyBracket(IContextEvent* context) : m_context(context)
    {
        if (m_context) m_context->BeginModify();
    }
    CModifyBracket(const CModifyBracket&) = delete;
    CModifyBracket& operator=(const CModifyBracket&) = delete;
    ~CModifyBracket()
    {
        if (m_context) m_context->EndModify();
    }

private:
    IContextEvent* m_context;
};

}  // namespace fnd
