// The pages of an open print job, as the page loop asks for them. Opening and
// ending the job (page setup, the printer's device) belong to the platform.
#pragma once
#include <cstdint>

class PrintJobPort {
public:
    virtual ~PrintJobPort() = default;
    // Each returns false when the platform refused the page, which ends the job.
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
};
