#!/usr/bin/env bash
# Prints the product version of the programs' version resource (resources/version.h).
root=$(cd "$(dirname "$0")/.." && pwd)
sed -n 's/^#define PRODUCT_VERSION_TEXT "\(.*\)"/\1/p' "$root/resources/version.h"
