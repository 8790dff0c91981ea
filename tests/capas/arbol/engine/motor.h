#pragma once

int Motor();
