#pragma once
// The network layer's failures. Their messages are fixed English texts.
#include "platform/Exception.h"

namespace lookout {

class ESockError : public Exception {
public:
    using Exception::Exception;
};

// A wait that was cancelled, or whose component was destroyed under it.
class EAbortError : public ESockError {
public:
    using ESockError::ESockError;
};

}  // namespace lookout
