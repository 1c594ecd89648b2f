#include "briko/real48.h"

namespace briko {

Real48 ToReal48(double) {
    return Real48{};
}
double FromReal48(const Real48&) {
    return 0;
}

}  // namespace briko
