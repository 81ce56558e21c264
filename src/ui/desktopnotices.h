#pragma once

#include "matchsinks.h"

// Desktop notifications through the freedesktop notification service on the
// session bus. The call is not waited for: where no service runs, or no bus,
// nothing happens.
class DesktopNotices : public NoticeSink
{
public:
    void notify(const Notice &notice) override;
};
