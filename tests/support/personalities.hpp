// The game's personalities as its rosters hold them, letter for letter,
// for each position in the order the draws test them: what a test expects
// a roster to hold, written out apart from the program's own tables.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vesk_mg::test_support {

struct position_personalities {
  std::string_view title;  // as a roster row names the position
  std::vector<std::string_view> personalities;
};

inline const std::array<position_personalities, 10> personalities_by_position{{
    {"Head of State",
     {"Powerhungry Demagogue", "Stern Imperialist", "Barking Buffoon", "Benevolent Gentleman", "Insignificant Layman",
      "Autocratic Charmer", "Weary Stiffneck", "Ruthless Powermonger", "Pig-headed Isolationist", "Popular Figurehead",
      "Die-hard Reformer", "Resigned Generalissimo"}},
    {"Head of Government",
     {"Political Protege", "Flamboyant Tough Guy", "Backroom Backstabber", "Silent Workhorse", "Smiling Oilman",
      "Naive Optimist", "Corporate Suit", "Old General", "Old Air Marshal", "Happy Amateur", "Old Admiral",
      "Ambitious Union Boss"}},
    {"Foreign Minister",
     {"Iron Fisted Brute", "General Staffer", "Ideological Crusader", "Great Compromiser", "Apologetic Clerk",
      "Biased Intellectual", "The Cloak N Dagger Schemer"}},
    {"Minister of Armament",
     {"Military Entrepreneur", "Laissez Faires Capitalist", "Air Superiority Proponent", "Strategic Air Proponent",
      "Administrative Genius", "Tank Proponent", "Corrupt Kleptocrat", "Resource Industrialist",
      "Battle Fleet Proponent", "Air to Sea Proponent", "Theoretical Scientist", "Air to Ground Proponent",
      "Infantry Proponent", "Submarine Proponent"}},
    {"Minister of Security",
     {"Crooked Kleptocrat", "Compassionate Gentleman", "Man of the People", "Prince of Terror", "Crime Fighter",
      "Silent Lawyer", "Back Stabber", "Efficient Sociopath"}},
    {"Head of Military Intelligence",
     {"Industrial Specialist", "Political Specialist", "Dismal Enigma", "Naval Intelligence Specialist",
      "Technical Specialist", "Logistics Specialist"}},
    {"Chief of Staff",
     {"School of Fire Support", "School of Manoeuvre", "School of Defence", "School of Psychology",
      "School of Mass Combat"}},
    {"Chief of Army",
     {"Guns and Butter Doctrine", "Armoured Spearhead Doctrine", "Decisive Battle Doctrine", "Static Defense Doctrine",
      "Elastic Defence Doctrine", "Base Control Doctrine"}},
    {"Chief of Navy",
     {"Open Seas Doctrine", "Decisive Battle Doctrine", "Decisive Naval Battle Doctrine", "Power Projection Doctrine",
      "Indirect Approach Doctrine"}},
    {"Chief of Air Force",
     {"Carpet Bombing Doctrine", "Naval Aviation Doctrine", "Air Superiority Doctrine", "Army Aviation Doctrine",
      "Vertical Envelopement Doctrine"}},
}};

inline constexpr std::array<std::string_view, 5> loyalties{"Very Low", "Low", "Medium", "High", "Very High"};

}  // namespace vesk_mg::test_support
