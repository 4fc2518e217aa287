// Stand-ins for the program's seams; tests add what they need.
#pragma once
