// Packing of the I2C transfer header.
#include "i2c_header.h"

uint32_t I2CHeader(unsigned address, unsigned registerIndex, unsigned count)
{
    return (uint32_t)(count & 0xFF) | (uint32_t)(registerIndex & 0xFF) << 8
           | (uint32_t)(address & 0xFF) << 16 | (uint32_t)0x01 << 24;
}
