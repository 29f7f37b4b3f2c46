// The I2C transfer on plain values: packing of its header.
#include "device/i2c_rules.h"

uint32_t I2CHeader(unsigned address, unsigned registerIndex, unsigned count)
{
    return (uint32_t)(count & 0xFF) | (uint32_t)(registerIndex & 0xFF) << 8
           | (uint32_t)(address & 0xFF) << 16 | (uint32_t)0x01 << 24;
}
