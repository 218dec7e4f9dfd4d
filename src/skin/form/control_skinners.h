// Makes the control skinners that have been built known to discovery: their kinds by skinner
// class name, and the attach operations only some of them have (tool buttons' graphic attach).
// Programs that skin their forms call it once before the first form is skinned.
#pragma once

void RegisterControlSkinners();
