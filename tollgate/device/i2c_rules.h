// The 32-bit word that announces an I2C transfer to the tuner's property interface.
#ifndef TOLLGATE_DEVICE_I2C_RULES_H
#define TOLLGATE_DEVICE_I2C_RULES_H

#include <stdint.h>

// Lowest byte first: count, register, device address, then the constant 0x01.
uint32_t I2CHeader(unsigned address, unsigned registerIndex, unsigned count);

#endif
