// The overdrive's arithmetic written out plainly, one sample at a time, as the tests' oracle.
#pragma once

#include <cmath>

struct ReferenceOverdrive {
    float gain;
    float amount;
    float output;

    float sample(float x) const
    {
        const double gainLinear = static_cast<float>(std::pow(10.0, gain * 3.0));
        const double a = static_cast<float>(amount * 99.0) / 100.0;
        const double k = (a + a) / (1.0 - a);
        const float g = static_cast<float>(x * gainLinear);
        float y = static_cast<float>((k + 1.0) * g / (1.0 + k * std::fabs(static_cast<double>(g))));
        if (y < -1.0f)
            y = -1.0f;
        else if (y > 0.5f)
            y = 0.5f;
        return static_cast<float>(static_cast<double>(y) * output);
    }
};
