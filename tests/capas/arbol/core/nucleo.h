#pragma once

int Nucleo();
