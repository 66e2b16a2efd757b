#pragma once

// Every record class of the product database.
#include "obrecords.h"
#include "tsrecords.h"
#include "ymcable.h"
#include "ymfixture.h"
#include "ymitem.h"
#include "zvrecords.h"
