// The 32-bit word that announces an I2C transfer to the tuner's property interface.
#ifndef TOLLGATE_I2C_HEADER_H
#define TOLLGATE_I2C_HEADER_H

#include <stdint.h>

// Lowest byte first: count, register, device address, then the constant 0x01.
uint32_t I2CHeader(unsigned address, unsigned registerIndex, unsigned count);

#endif
